#include "core/current_color.h"

namespace tintora {

Rgb CurrentColorModel::SetCurrentColor(ColorRef color)
{
    const ColorChange change = state_.SetCurrentColor(color, sys_);
    sink_.ShowOutputs(change.outputs);
    return change.rgb;
}

std::optional<SafeColor> CurrentColorModel::SafeColorFromIndex(int index)
{
    std::optional<SafeColor> safe = tintora::SafeColorFromIndex(index);
    if (safe)
        AssignCurrentColor(safe->color);
    return safe;
}

void CurrentColorModel::AssignCurrentColor(ColorRef color)
{
    sink_.ShowOutputs(state_.SetCurrentColorWithoutSplit(color, sys_));
}

} // namespace tintora
