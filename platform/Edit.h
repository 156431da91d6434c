#pragma once

#include "Wnd.h"

class QLineEdit;
class QPlainTextEdit;

// A single-line edit box or a multi-line text box. Text goes in and out with "\r\n" line
// breaks, as the framework's edit controls keep it; selection positions count characters of
// the text as shown (one per line break).
class CEdit : public CWnd {
public:
    bool IsMultiline() const;
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;

    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end); // (0, -1) selects everything
    std::string GetSelText() const;
    void ReplaceSel(std::string_view text);
    // Puts the selection on the system clipboard.
    void Copy();
    void ScrollCaret();
    void SetReadOnly(bool readOnly);
    int GetLineCount() const;
    // Types text at the caret as the user would (for tests and the input panel).
    void TypeText(std::string_view text);

private:
    QLineEdit* Line() const;
    QPlainTextEdit* Box() const;
};
