#pragma once

#include "Dialog.h"

#include <QFont>

#include <string>

// One bookmark's title, reference and verses, always from the Korean text.
class CBookmarkViewDlg : public CDialog {
public:
    CBookmarkViewDlg(std::string titleLine, std::string referenceLine, std::string body);

protected:
    bool OnInitDialog() override;

private:
    void OnCopy();

    std::string m_titleLine;
    std::string m_referenceLine;
    std::string m_body;
    QFont m_textFont;
};
