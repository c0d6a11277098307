// SPDX-License-Identifier: MIT
#include "palettes/color_history.h"

#include <algorithm>

namespace tintora {

void ColorHistory::Keep(std::int32_t newColor)
{
    old_ = newColor;
    std::shift_right(places_.begin(), places_.end(), 1);
    places_[0] = newColor;
}

std::int32_t ColorHistory::At(int index) const
{
    if (index < 0 || index >= Size)
        return 0;
    return places_[static_cast<std::size_t>(index)];
}

} // namespace tintora
