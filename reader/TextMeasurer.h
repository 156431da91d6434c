#pragma once

#include "RunMeter.h"

#include <memory>
#include <string_view>

// Measures UTF-8 text in the view font.
class CTextMeasurer {
public:
    virtual ~CTextMeasurer() = default;

    // Pixel width of the text as the view draws it.
    virtual int Width(std::string_view text) const = 0;

    // Optional fast path: a meter that keeps the width of a growing run up to date one
    // character at a time, each answer equal to Width of the run. nullptr when the measurer has
    // none; the layout then measures every prefix with Width.
    virtual std::unique_ptr<CRunMeter> NewRunMeter() const { return nullptr; }
};
