#pragma once

#include "Dialog.h"
#include "FontSettingsModel.h"

class CChapterViewDlg;

// Text size, text colour and background colour of a chapter view: a size list, two painted
// palettes of the same sixteen colours and a live sample. Handed to the view on OK.
class CFontSettingsDlg : public CDialog {
public:
    explicit CFontSettingsDlg(CChapterViewDlg& view);

    void OnOK() override;
    void OnCancel() override;

protected:
    bool OnInitDialog() override;
    void OnPaint(QPainter& dc) override;
    void OnLButtonUp(QPoint clientPoint) override;

private:
    void OnSizeChanged();
    void PaintSwatches(QPainter& dc) const;
    void PaintSample(QPainter& dc) const;

    CFontSettingsModel m_model; // hands the choice to the view (its m_view)
};
