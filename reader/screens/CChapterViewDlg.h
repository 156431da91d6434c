#pragma once

#include "ChapterViewModel.h"
#include "Dialog.h"

#include <QFont>

#include <memory>

// What the Korean and the English chapter view share: the painted page, the scroll bar, the
// arrow keys, the page commands, parallel text, the help box, font settings and acting on what
// a pop-up left in the view. The rules are the model's; this class shows their results.
class CChapterViewDlg : public CDialog {
public:
    // The view's state. The pop-ups opened over the view read and write it.
    CChapterViewModel& Model() { return m_model; }
    const CChapterViewModel& Model() const { return m_model; }
    // The font the page is drawn with: the one the layout measured with.
    const QFont& ViewFont() const { return m_font; }

protected:
    CChapterViewDlg(int templateId, int toolbarId, const ChapterViewProfile& profile);

    bool OnInitDialog() override;
    void OnDestroy() override;
    void OnPaint(QPainter& dc) override;
    bool PreTranslateKeyDown(int virtualKey) override;
    void OnVScroll(int code, int pos, CScrollBar& bar) override;

    // Handlers both views bind to their own command ids.
    void OnPageUp();
    void OnPageDown();
    void OnParallel();
    void OnHelpBox();
    void OnFontSettings();

    // Runs a pop-up over the view, then acts on what it left in the view's fields.
    void RunDialog(CDialog& dialog, ViewDialog kind);
    // Acts on what a pop-up of that kind left in the view's fields, once it has closed.
    void ActOnDialog(ViewDialog kind);

private:
    std::unique_ptr<CTextMeasurer> MakeMeasurer(int fontSize);
    void LoadChapter();
    void Apply(const ViewActions& actions);
    void RepaintView();
    CScrollBar& ScrollBar() const;
    // Right edge of the text: the scroll bar's left side.
    int TextRight() const;

    int m_toolbarId;
    CChapterViewModel m_model;
    QFont m_font;
};
