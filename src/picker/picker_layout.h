// SPDX-License-Identifier: MIT
#pragma once

namespace tintora {

// Which channel the slider controls. The option buttons `optH`, `optS` and
// `optB` hold it; nothing else stores it.
enum class PickerMode { Hue, Saturation, Brightness };

// The picker's fixed geometry and its two markers, in client pixels.
// The plane covers x 10..265 and y 10..265 inclusive; the strip covers
// x 277..291 (SliderRight is one past the last column) and y 10..265.
struct PickerLayout {
    int PlaneLeft = 10;
    int PlaneTop = 10;
    int PlaneRight = 265;
    int PlaneBottom = 265;
    int SliderLeft = 277;
    int SliderTop = 10;
    int SliderRight = 292;
    int SliderBottom = 265;
    int SelX = 265; // centre of the selection ring on the plane
    int SelY = 10;
    float SliderY = 265.f; // height of the slider marker, kept unrounded

    // The rectangle derived from a left and top of 10 and a span of 255,
    // with the markers at their start-up places (top right corner of the
    // plane; slider at its bottom row).
    static PickerLayout Build()
    {
        PickerLayout l;
        l.PlaneLeft = 10;
        l.PlaneTop = 10;
        l.PlaneRight = l.PlaneLeft + 255;
        l.PlaneBottom = l.PlaneTop + 255;
        l.SliderLeft = l.PlaneRight + 12;
        l.SliderRight = l.PlaneRight + 27;
        l.SliderTop = l.PlaneTop;
        l.SliderBottom = l.PlaneBottom;
        l.SelX = l.PlaneRight;
        l.SelY = l.PlaneTop;
        l.SliderY = static_cast<float>(l.SliderBottom);
        return l;
    }
};

} // namespace tintora
