#pragma once

#include <string_view>
#include <vector>

// The ":"-separated fields of a settings line, each converted by its leading digits (no digits
// read as 0). "19:23:13x:16:1\r\n" -> {19, 23, 13, 16, 1}; "" -> {0}; "\n" -> {0}.
std::vector<int> ParseColonFields(std::string_view line);
