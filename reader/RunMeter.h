#pragma once

#include <string_view>

// Width of a run of text that grows one character at a time, kept up to date without
// measuring the whole run again: the cut rules look at the prefixes of 1, 2, 3, ... characters.
class CRunMeter {
public:
    virtual ~CRunMeter() = default;

    // Starts an empty run (width 0).
    virtual void Restart() = 0;

    // Appends one character (one UTF-8 sequence) and returns the width of the run so far, which
    // must equal the measurer's Width of the whole run.
    virtual int Extend(std::string_view character) = 0;
};
