#include "CFontSettingsDlg.h"

#include "CChapterViewDlg.h"
#include "FontTextMeasurer.h"
#include "ResourceIds.h"
#include "ShowComboList.h"

#include <QPainter>

namespace {

constexpr int kSampleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

QColor ToQColor(const RgbColor& c) {
    return QColor(c.red, c.green, c.blue);
}

QRect ToQRect(const SwatchRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// A rectangle as the geometry gives it: a one-pixel black outline and the colour inside it.
void PaintBox(QPainter& dc, const SwatchRect& r, const QColor& fill) {
    const QRect box = ToQRect(r);
    dc.fillRect(box, Qt::black);
    dc.fillRect(box.adjusted(1, 1, -1, -1), fill);
}

} // namespace

CFontSettingsDlg::CFontSettingsDlg(CChapterViewDlg& view)
    : CDialog(IDD_FONT_SETTINGS, &view), m_model(view.Model()) {
    BindHandlers<CFontSettingsDlg>({
        {Notify::SelChange, IDC_FONT_SIZE, &CFontSettingsDlg::OnSizeChanged},
    });
}

bool CFontSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_model.Init();
    ShowComboList(ComboItem(IDC_FONT_SIZE), m_model.m_sizeList);
    return true;
}

void CFontSettingsDlg::OnPaint(QPainter& dc) {
    PaintSwatches(dc);
    PaintSample(dc);
}

void CFontSettingsDlg::PaintSwatches(QPainter& dc) const {
    PaintBox(dc, kChosenTextRect, ToQColor(m_model.TextColor()));
    for (int k = 0; k < kPaletteSize; ++k) {
        PaintBox(dc, m_model.m_swatches[k], ToQColor(m_model.m_palette[k]));
    }
    PaintBox(dc, kChosenBackRect, ToQColor(m_model.BackColor()));
    for (int k = 0; k < kPaletteSize; ++k) {
        PaintBox(dc, m_model.m_swatches[kPaletteSize + k], ToQColor(m_model.m_palette[k]));
    }
    PaintBox(dc, kSampleArea, ToQColor(m_model.BackColor()));
}

void CFontSettingsDlg::PaintSample(QPainter& dc) const {
    dc.save();
    // Inside the outline: a line longer than the area is cut off there, not wrapped.
    dc.setClipRect(ToQRect(kSampleArea).adjusted(1, 1, -1, -1));
    // The sample shows the size as the view will draw it.
    dc.setFont(CFontTextMeasurer::ViewFont(m_model.m_size));
    dc.setPen(ToQColor(m_model.TextColor()));
    const SamplePoint korean = m_model.KoreanSampleOrigin();
    const SamplePoint english = m_model.EnglishSampleOrigin();
    dc.drawText(QRect(korean.x, korean.y, 0, 0), kSampleFlags, ToQString(kKoreanSample));
    dc.drawText(QRect(english.x, english.y, 0, 0), kSampleFlags, ToQString(kEnglishSample));
    dc.restore();
}

void CFontSettingsDlg::OnLButtonUp(QPoint clientPoint) {
    if (m_model.OnPenUp(clientPoint.x(), clientPoint.y())) {
        UpdateWindow();
    }
}

void CFontSettingsDlg::OnSizeChanged() {
    m_model.OnSizeChanged(ComboItem(IDC_FONT_SIZE).GetCurSel());
    UpdateWindow();
}

void CFontSettingsDlg::OnOK() {
    m_model.OnOK();
    CDialog::OnOK();
}

void CFontSettingsDlg::OnCancel() {
    m_model.OnCancel();
    CDialog::OnCancel();
}
