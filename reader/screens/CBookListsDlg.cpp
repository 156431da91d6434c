#include "CBookListsDlg.h"

#include "CChapterViewDlg.h"
#include "ResourceIds.h"
#include "ShowComboList.h"

namespace {
// The band: full width, right under the 26-pixel title bar.
constexpr int kBandLeft = 0;
constexpr int kBandTop = 26;
constexpr int kBandWidth = 240;
constexpr int kBandHeight = 90;
const QColor kPopupGrey(192, 192, 192);
} // namespace

CBookListsDlg::CBookListsDlg(int templateId, CChapterViewDlg& view) : CDialog(templateId, &view) {}

bool CBookListsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Placed at once, so that even the first picture shows the band where it belongs.
    PlaceBand();
    return true;
}

void CBookListsDlg::OnPaint(QPainter& /*dc*/) {
    // Whatever size or place the dialog was given, or moved to while it was covered, it paints
    // itself back into the band.
    PlaceBand();
}

void CBookListsDlg::PlaceBand() {
    MoveWindow(kBandLeft, kBandTop, kBandWidth, kBandHeight);
}

std::optional<QColor> CBookListsDlg::OnCtlColor(CtlColor /*what*/) {
    return kPopupGrey;
}

void CBookListsDlg::ShowBookLists(const CBookLists& lists) {
    ShowComboList(ComboItem(IDC_SELECT_TESTAMENT), lists.m_testaments);
    ShowComboList(ComboItem(IDC_SELECT_BOOK), lists.m_books);
    ShowComboList(ComboItem(IDC_SELECT_CHAPTER), lists.m_chapters);
}

int CBookListsDlg::PickedIndex(int listId) const {
    return ComboItem(listId).GetCurSel();
}
