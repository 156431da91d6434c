#include "ColonFields.h"

#include "TextUtil.h"

std::vector<int> ParseColonFields(std::string_view line) {
    std::vector<int> fields;
    for (;;) {
        const auto colon = line.find(':');
        fields.push_back(ParseLeadingInt(line.substr(0, colon)));
        if (colon == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(colon + 1);
    }
}
