#pragma once

#include <string_view>

// Korean text of kHelp.txt: the launcher's buttons, toolbar and menu, and the commands and keys
// of every screen. UTF-8 with "\n" line ends.
extern const std::string_view kHelpText;
