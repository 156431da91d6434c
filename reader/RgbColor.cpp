#include "RgbColor.h"

RgbColor RgbColor::FromComponents(int red, int green, int blue) {
    // Unsigned conversion keeps the low 8 bits of negative values too (-1 -> 255).
    return {static_cast<std::uint8_t>(static_cast<unsigned>(red) & 0xFFu),
            static_cast<std::uint8_t>(static_cast<unsigned>(green) & 0xFFu),
            static_cast<std::uint8_t>(static_cast<unsigned>(blue) & 0xFFu)};
}
