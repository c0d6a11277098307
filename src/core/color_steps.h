// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace tintora {

// The changes of the "New" colour, for undo and redo. A step is one change
// the user made: a pick, a whole drag, a typed or pasted code, a grid or
// swatch pick, an eyedropper pick. The last Capacity steps are kept; a new
// step forgets the steps that were undone.
class ColorSteps
{
public:
    static constexpr std::size_t Capacity = 256;

    // A change from `before` to `after`; equal colours are no step.
    void Record(ColorRef before, ColorRef after);
    // The colour to go back or forward to, or nothing at either end.
    std::optional<ColorRef> Undo();
    std::optional<ColorRef> Redo();
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }

private:
    struct Step {
        ColorRef before;
        ColorRef after;
    };
    std::deque<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are done, the rest undone
};

} // namespace tintora
