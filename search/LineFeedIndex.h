#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Positions of every '\n' in `text`, in order, replacing the contents of `positions`.
// "ab\n\nc\n" -> {2, 3, 5}. One pass over the text instead of one search per line.
void IndexLineFeeds(std::string_view text, std::vector<std::size_t>& positions);
