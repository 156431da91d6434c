#include "HelpText.h"

#include "TextFile.h"
#include "TextUtil.h"

bool LoadHelpText(const std::string& path, std::string& text) {
    CTextFile file;
    if (!file.Open(path, "r")) {
        return false;
    }
    text.clear();
    std::string line;
    while (file.ReadLine(line, 500)) {
        text += TrimRightWhite(line);
        text += "\r\n";
    }
    file.Close();
    return true;
}
