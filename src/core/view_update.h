// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tintora {

// The six channel fields of the main window, in the order of their texts.
enum class ChannelField { Hue, Saturation, Brightness, Red, Green, Blue };
inline constexpr std::size_t ChannelFieldCount = 6;

// The texts of the six channel fields, indexed by ChannelField.
using ChannelTexts = std::array<std::string, ChannelFieldCount>;

// A rectangle of client pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// What an action of the picker or the palette grid asks the main window to
// show. An empty member leaves that part of the window as it is. The window
// applies an update in one place, in this order: the hue question (and the
// focus back in the hue field), the window shown, the field texts, the
// "New" swatch, the current colour with its codes, the repaints.
struct ViewUpdate {
    std::array<std::optional<std::string>, ChannelFieldCount> fields;
    std::optional<ColorRef> swatch;  // the "New" swatch's colour
    std::optional<ColorRef> current; // the colour made current
    std::vector<PixelRect> repaint;  // marker rectangles to repaint
    bool askHueQuestion = false;     // "Enter an Integer Value Between 0 and 360"
    bool focusHueField = false;      // after the question: the focus back in the hue field
    bool showWindow = false;

    const std::optional<std::string>& field(ChannelField f) const
    {
        return fields[static_cast<std::size_t>(f)];
    }
    void setField(ChannelField f, std::string text) { fields[static_cast<std::size_t>(f)] = std::move(text); }
};

} // namespace tintora
