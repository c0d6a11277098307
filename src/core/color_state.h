// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_outputs.h"
#include "core/color_types.h"
#include "core/system_colors.h"

namespace tintora {

// What making a colour current produces: its channels and every notation.
struct ColorChange {
    Rgb rgb;
    ColorOutputs outputs;
};

// The program's one current colour. It starts at 0 with the output fields
// still showing their design texts; every change goes through this class.
class ColorState
{
public:
    // A plain COLORREF, a system-colour constant, or whatever other value was
    // last made current (for example -1 from a read off the surface).
    ColorRef CurrentColor() const { return current_; }

    // Stores color, splits it into channels and regenerates the outputs, in
    // that order. A system-colour constant stays stored as the constant; its
    // current value from sys is what is split. Any other value is split as it
    // is (-1 gives {-1, 0, 0}).
    ColorChange SetCurrentColor(ColorRef color, const SystemColorTable& sys);

    // Stores color and regenerates the outputs without splitting it: for the
    // palette grids, which supply their own channels.
    ColorOutputs SetCurrentColorWithoutSplit(ColorRef color, const SystemColorTable& sys);

private:
    ColorRef current_ = 0;
};

} // namespace tintora
