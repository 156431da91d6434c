#pragma once

#include <cstdint>

// A 24-bit colour as the position files and the palette store it.
struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // Components as read from a file, each reduced to its low 8 bits: (300, 0, 255) -> (44, 0,
    // 255).
    static RgbColor FromComponents(int red, int green, int blue);

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

inline constexpr RgbColor kBlack{0, 0, 0};
inline constexpr RgbColor kWhite{255, 255, 255};
