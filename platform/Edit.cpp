#include "Edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

QLineEdit* CEdit::Line() const {
    return qobject_cast<QLineEdit*>(m_widget.data());
}
QPlainTextEdit* CEdit::Box() const {
    return qobject_cast<QPlainTextEdit*>(m_widget.data());
}

bool CEdit::IsMultiline() const {
    return Box() != nullptr;
}

void CEdit::SetWindowText(std::string_view text) {
    QString s = ToQString(text);
    if (QPlainTextEdit* box = Box()) {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        box->setPlainText(s);
    } else if (QLineEdit* line = Line()) {
        line->setText(s);
        line->setCursorPosition(0);
    }
}

std::string CEdit::GetWindowText() const {
    if (QPlainTextEdit* box = Box()) {
        QString s = box->toPlainText();
        s.replace(QChar('\n'), QStringLiteral("\r\n"));
        return ToStdString(s);
    }
    if (QLineEdit* line = Line()) {
        return ToStdString(line->text());
    }
    return {};
}

void CEdit::GetSel(int& start, int& end) const {
    start = end = 0;
    if (QPlainTextEdit* box = Box()) {
        const QTextCursor c = box->textCursor();
        start = c.selectionStart();
        end = c.selectionEnd();
    } else if (QLineEdit* line = Line()) {
        if (line->hasSelectedText()) {
            start = line->selectionStart();
            end = line->selectionEnd();
        } else {
            start = end = line->cursorPosition();
        }
    }
}

void CEdit::SetSel(int start, int end) {
    if (QPlainTextEdit* box = Box()) {
        QTextCursor c = box->textCursor();
        const int length = box->document()->characterCount() - 1;
        if (end < 0 || end > length) {
            end = length;
        }
        c.setPosition(qBound(0, start, length));
        c.setPosition(end, QTextCursor::KeepAnchor);
        box->setTextCursor(c);
    } else if (QLineEdit* line = Line()) {
        const int length = static_cast<int>(line->text().size());
        if (end < 0 || end > length) {
            end = length;
        }
        line->setSelection(qBound(0, start, length), end - qBound(0, start, length));
    }
}

std::string CEdit::GetSelText() const {
    if (QPlainTextEdit* box = Box()) {
        QString s = box->textCursor().selection().toPlainText();
        return ToStdString(s);
    }
    if (QLineEdit* line = Line()) {
        return ToStdString(line->selectedText());
    }
    return {};
}

void CEdit::ReplaceSel(std::string_view text) {
    if (QPlainTextEdit* box = Box()) {
        box->insertPlainText(ToQString(text));
    } else if (QLineEdit* line = Line()) {
        line->insert(ToQString(text));
    }
}

void CEdit::Copy() {
    if (QPlainTextEdit* box = Box()) {
        box->copy();
    } else if (QLineEdit* line = Line()) {
        line->copy();
    }
}

void CEdit::ScrollCaret() {
    if (QPlainTextEdit* box = Box()) {
        box->ensureCursorVisible();
    }
}

void CEdit::SetReadOnly(bool readOnly) {
    if (QPlainTextEdit* box = Box()) {
        box->setReadOnly(readOnly);
    } else if (QLineEdit* line = Line()) {
        line->setReadOnly(readOnly);
    }
}

int CEdit::GetLineCount() const {
    if (QPlainTextEdit* box = Box()) {
        return box->document()->blockCount();
    }
    return 1;
}

void CEdit::TypeText(std::string_view text) {
    ReplaceSel(text);
}
