// SPDX-License-Identifier: MIT
#include "core/color_steps.h"

namespace tintora {

void ColorSteps::Record(ColorRef before, ColorRef after)
{
    if (before == after)
        return;
    steps_.resize(done_);
    steps_.push_back(Step{before, after});
    if (steps_.size() > Capacity)
        steps_.pop_front();
    done_ = steps_.size();
}

std::optional<ColorRef> ColorSteps::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    return steps_[--done_].before;
}

std::optional<ColorRef> ColorSteps::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    return steps_[done_++].after;
}

} // namespace tintora
