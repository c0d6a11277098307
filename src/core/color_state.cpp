// SPDX-License-Identifier: MIT
#include "core/color_state.h"

#include "core/color_conversions.h"

namespace tintora {

ColorChange ColorState::SetCurrentColor(ColorRef color, const SystemColorTable& sys)
{
    current_ = color;
    const Rgb rgb = SplitColor(ResolveColor(color, sys));
    return ColorChange{rgb, UpdateColorOutputs(current_, sys)};
}

ColorOutputs ColorState::SetCurrentColorWithoutSplit(ColorRef color, const SystemColorTable& sys)
{
    current_ = color;
    return UpdateColorOutputs(current_, sys);
}

} // namespace tintora
