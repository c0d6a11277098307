// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <optional>
#include <string>

namespace tintora {

// Splits a colour into its channels: red = color mod 256,
// green = (color div 256) mod 256, blue = (color div 65536) mod 256, with
// division toward zero and the remainder taking the dividend's sign.
// For 0..0xFFFFFF these are the low, middle and high bytes (the top byte plays
// no part). A negative value splits into channels in -255..0, so -1 gives
// {-1, 0, 0}. System-colour constants are not resolved here: callers pass
// ResolveColor's result when they want a constant's current colour.
Rgb SplitColor(ColorRef color);

// Six-digit upper-case hexadecimal text of three channels, red first, without
// "#" or "&H": (255, 0, 51) -> "FF0033". Each channel is written as the hex
// text of its 16-bit pattern (values are taken modulo 65536, so -1 shows as
// "FFFF"); a one-character text gets a "0" in front, longer ones stay as
// they are.
std::string GetHexVal(int red, int green, int blue);

// A colour's hue 0..360 and saturation and brightness 0..100, each rounded
// to the nearest whole number (ties to even): what the channel fields show
// for a colour that comes from outside the picker (a typed or pasted code,
// the eyedropper). Greys have hue 0 and saturation 0; black has brightness 0.
// Channels must be 0..255.
struct Hsb {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    bool operator==(const Hsb&) const = default;
};
Hsb HsbFromRgb(const Rgb& rgb);

// A web-safe colour: its value, channels and GetHexVal text.
struct SafeColor {
    ColorRef color = 0;
    Rgb rgb;
    std::string hex;
};

// The web-safe colour with 1-based index 1..216. Colours are numbered with
// red outermost and blue innermost, each over 0, 51, 102, 153, 204, 255:
// 1 is black, 2 is (0, 0, 51), 37 is (51, 0, 0), 216 is white.
// Any other index gives nullopt; the caller then changes nothing.
std::optional<SafeColor> SafeColorFromIndex(int index);

} // namespace tintora
