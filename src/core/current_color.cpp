#include "core/current_color.h"

namespace tintora {

Rgb CurrentColorModel::SetCurrentColor(ColorRef color)
{
    const ColorChange change = state_.SetCurrentColor(color, sys_);
    Show(change.outputs);
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
    Show(state_.SetCurrentColorWithoutSplit(color, sys_));
}

void CurrentColorModel::Show(const ColorOutputs& outputs)
{
    if (batchDepth_ > 0)
        pending_ = outputs;
    else
        sink_.ShowOutputs(outputs);
}

CurrentColorModel::Batch::~Batch()
{
    if (--model_.batchDepth_ == 0 && model_.pending_) {
        const ColorOutputs outputs = std::move(*model_.pending_);
        model_.pending_.reset();
        model_.sink_.ShowOutputs(outputs);
    }
}

} // namespace tintora
