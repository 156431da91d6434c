#include "CChapterViewDlg.h"

#include "CFontSettingsDlg.h"
#include "Cursor.h"
#include "FontTextMeasurer.h"
#include "ResourceIds.h"

#include <QPainter>

namespace {

constexpr int kTextLeft = 5;
constexpr int kTitleTop = 2;
constexpr int kLineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

QColor ToQColor(const RgbColor& c) {
    return QColor(c.red, c.green, c.blue);
}

ViewPrompts Prompts() {
    return {[](std::string_view question) { return AskYesNo(question); },
            [](std::string_view message) { ShowMessage(message); }};
}

} // namespace

CChapterViewDlg::CChapterViewDlg(int templateId, int toolbarId, const ChapterViewProfile& profile)
    : CDialog(templateId), m_toolbarId(toolbarId),
      m_model(profile, [this](int fontSize) { return MakeMeasurer(fontSize); }) {}

std::unique_ptr<CTextMeasurer> CChapterViewDlg::MakeMeasurer(int fontSize) {
    // The page is drawn with the very font the layout measures with, so that a line the layout
    // let through fits where it is drawn.
    std::unique_ptr<CFontTextMeasurer> measurer = CFontTextMeasurer::ForViewFont(fontSize);
    m_font = measurer->Font();
    return measurer;
}

bool CChapterViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(m_toolbarId);
    m_model.Open();
    LoadChapter();
    ScrollBar().SetFocus();
    return false;
}

void CChapterViewDlg::OnDestroy() {
    // Every way of leaving comes through here, so the place reached is always kept.
    m_model.Close();
}

CScrollBar& CChapterViewDlg::ScrollBar() const {
    return ScrollBarItem(IDC_CHAPTER_SCROLL);
}

int CChapterViewDlg::TextRight() const {
    return ScrollBar().GetWindowRect().left();
}

void CChapterViewDlg::LoadChapter() {
    SetWaitCursor();
    ScrollBar().SetScrollPos(0);
    m_model.LoadChapter();
    ScrollBar().SetPageSize(m_model.m_linesPerPage);
    ScrollBar().SetScrollRange(0, m_model.ScrollBarMax());
    ScrollBar().SetScrollPos(m_model.m_topLine);
    ClientWidget()->setAccessibleName(
        ToQString(m_model.m_title.empty() ? Caption() : m_model.m_title));
    // Also when there was no chapter to load: the wait cursor must not outlive the work.
    SetArrowCursor();
}

void CChapterViewDlg::RepaintView() {
    ScrollBar().SetScrollPos(m_model.m_topLine);
    ClientWidget()->repaint();
}

void CChapterViewDlg::Apply(const ViewActions& actions) {
    if (actions.reload) {
        LoadChapter();
    }
    if (actions.repaint) {
        RepaintView();
    }
    if (actions.focusScrollBar) {
        ScrollBar().SetFocus();
    }
}

void CChapterViewDlg::OnPaint(QPainter& dc) {
    const QRect client = ClientWidget()->rect();
    const int band = m_model.TitleBandHeight();
    const int lineHeight = m_model.m_fontSize + 4;
    const QColor text = ToQColor(m_model.m_textColor);
    const QColor back = ToQColor(m_model.m_backColor);
    const int right = TextRight();
    dc.setFont(m_font);

    // The title in inverse colours.
    dc.fillRect(QRect(0, 0, client.width(), band), text);
    dc.setPen(back);
    dc.drawText(QRect(kTextLeft, kTitleTop, right - kTextLeft, band - kTitleTop), kLineFlags,
                ToQString(m_model.m_title));

    dc.fillRect(QRect(0, band, client.width(), client.height() - band), back);
    dc.setPen(text);
    for (int i = 0; i < m_model.m_linesPerPage; ++i) {
        // The layout keeps lines narrow enough for this rectangle; it clips what a font might
        // still push under the scroll bar.
        const QRect line(kTextLeft, m_model.ScreenLineTop(i), right - kTextLeft, lineHeight);
        dc.drawText(line, kLineFlags, ToQString(m_model.LineAt(m_model.m_topLine + i)));
    }
}

bool CChapterViewDlg::PreTranslateKeyDown(int virtualKey) {
    Apply(m_model.OnKeyDown(virtualKey, Prompts()));
    // The key goes on to the scroll bar, whose own line step m_arrowPending swallows.
    return false;
}

void CChapterViewDlg::OnVScroll(int code, int pos, CScrollBar& bar) {
    if (&bar != &ScrollBar() || code < SB_LINEUP || code > SB_ENDSCROLL) {
        return;
    }
    if (m_model.OnScroll(static_cast<ScrollCode>(code), pos)) {
        RepaintView();
    } else {
        // The bar may have moved its thumb on its own; it shows the view's line, not its guess.
        ScrollBar().SetScrollPos(m_model.m_topLine);
    }
}

void CChapterViewDlg::OnPageUp() {
    if (m_model.PageUp()) {
        RepaintView();
    }
}

void CChapterViewDlg::OnPageDown() {
    if (m_model.PageDown()) {
        RepaintView();
    }
}

void CChapterViewDlg::OnParallel() {
    Apply(m_model.ToggleParallel());
}

void CChapterViewDlg::OnHelpBox() {
    ShowMessage(m_model.Profile().helpText, m_model.Profile().helpCaption);
}

void CChapterViewDlg::OnFontSettings() {
    CFontSettingsDlg dlg(*this);
    RunDialog(dlg, ViewDialog::FontSettings);
}

void CChapterViewDlg::RunDialog(CDialog& dialog, ViewDialog kind) {
    dialog.DoModal();
    ActOnDialog(kind);
}

void CChapterViewDlg::ActOnDialog(ViewDialog kind) {
    Apply(m_model.AfterDialog(kind));
}
