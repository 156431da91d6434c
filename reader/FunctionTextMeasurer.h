#pragma once

#include "TextMeasurer.h"

#include <functional>
#include <utility>

// A measurer from a plain width function: Width("abc") -> widthOf("abc").
class CFunctionTextMeasurer : public CTextMeasurer {
public:
    explicit CFunctionTextMeasurer(std::function<int(std::string_view)> widthOf)
        : m_widthOf(std::move(widthOf)) {}
    int Width(std::string_view text) const override { return m_widthOf(text); }

private:
    std::function<int(std::string_view)> m_widthOf;
};
