#include "SearchScreenSupport.h"

#include "ResourceIds.h"
#include "ScriptureStore.h"
#include "TestBibleFiles.h"

#include <QTreeWidget>

void WriteBibles(const CTestDataFolder& folder) {
    TestBibleShape shape = ThreeVerseBibles();
    shape.verseCount = [](int book, int chapter) { return book == kJohn && chapter == 3 ? 18 : 3; };
    WriteTestBibles(folder, shape);
    LoadTestBibles(folder);
}

CSearchScreen::CSearchScreen() {
    WriteBibles(folder);
    dlg.Create();
}

CSearchScreen::~CSearchScreen() {
    dlg.DestroyWindow();
}

std::vector<std::string> ItemTexts(const CComboBox& box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box.GetCount(); ++i) {
        texts.push_back(box.GetLBText(i));
    }
    return texts;
}

std::vector<std::intptr_t> ItemData(const CComboBox& box) {
    std::vector<std::intptr_t> data;
    for (int i = 0; i < box.GetCount(); ++i) {
        data.push_back(box.GetItemData(i));
    }
    return data;
}

void Pick(CDialog& dlg, int boxId, std::intptr_t data) {
    CComboBox& box = dlg.ComboItem(boxId);
    for (int i = 0; i < box.GetCount(); ++i) {
        if (box.GetItemData(i) == data) {
            box.SelectByUser(i);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("box %1 has no item %2").arg(boxId).arg(data)));
}

void Choose(CDialog& dlg, int book, int chapter) {
    Pick(dlg, IDC_SEARCH_BOOK, book);
    Pick(dlg, IDC_SEARCH_CHAPTER, chapter);
}

std::string Lookup(CDialog& dlg, std::string_view first, std::string_view last) {
    dlg.EditItem(IDC_SEARCH_FIRST_VERSE).SetWindowText(first);
    dlg.EditItem(IDC_SEARCH_LAST_VERSE).SetWindowText(last);
    dlg.ButtonItem(IDC_SEARCH_LOOKUP).Click();
    return dlg.EditItem(IDC_SEARCH_TEXT).GetWindowText();
}

void Search(CDialog& dlg, std::string_view word) {
    dlg.EditItem(IDC_SEARCH_WORD).SetWindowText(word);
    dlg.ButtonItem(IDC_SEARCH_FIND).Click();
}

std::string Row(CDialog& dlg, int row) {
    const CListCtrl& list = dlg.ListItem(IDC_SEARCH_HITS);
    std::string text = list.GetItemText(row, 0);
    for (int column = 1; column < 5; ++column) {
        text += "|" + list.GetItemText(row, column);
    }
    return text;
}

int RowCount(CDialog& dlg) {
    return dlg.ListItem(IDC_SEARCH_HITS).GetItemCount();
}

bool ShowsText(CDialog& dlg) {
    return dlg.EditItem(IDC_SEARCH_TEXT).IsWindowVisible() &&
           !dlg.ListItem(IDC_SEARCH_HITS).IsWindowVisible();
}

bool ShowsList(CDialog& dlg) {
    return dlg.ListItem(IDC_SEARCH_HITS).IsWindowVisible() &&
           !dlg.EditItem(IDC_SEARCH_TEXT).IsWindowVisible();
}

void CtrlTapRow(CDialog& dlg, int row) {
    QTreeWidget* tree = dlg.ListItem(IDC_SEARCH_HITS).Tree();
    const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
}
