// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace tintora {

// The row of 18 kept colours and the "Old" swatch. Everything is black (0)
// at start; nothing is saved. There is no notion of an empty place: a place
// never filled simply holds black.
class ColorHistory
{
public:
    static constexpr int Size = 18;

    // Keeps newColor: Old becomes newColor, every place moves one to the
    // right (the colour in place 17 is dropped) and place 0 becomes newColor.
    // Duplicates are kept as they come.
    void Keep(std::int32_t newColor);

    // Place index 0..17, 0 the newest. Any other index gives 0 (black).
    std::int32_t At(int index) const;

    // The colour last kept, 0 before the first Keep.
    std::int32_t Old() const { return old_; }

private:
    std::array<std::int32_t, Size> places_{};
    std::int32_t old_ = 0;
};

} // namespace tintora
