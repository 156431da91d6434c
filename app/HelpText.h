#pragma once

#include <string>

// The Help screen's text from kHelp.txt: lines read 499 characters at a time (a longer line
// continues as the next one), trailing blanks, tabs and the line end removed, each line
// followed by "\r\n". False when the file can't be opened.
bool LoadHelpText(const std::string& path, std::string& text);
