// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintora {

// A device-independent bitmap as the renderers fill it: 24 bits per pixel,
// three bytes per pixel in the order blue, green, red, each row padded to a
// multiple of four bytes. With a positive height the rows are stored bottom
// row first: row 0 of `bits` is the image's bottom row.
struct Dib {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    Dib() = default;
    // A zero-filled bitmap of the given size.
    Dib(int w, int h)
        : width(w), height(h), bits(static_cast<std::size_t>(Stride(w)) * static_cast<std::size_t>(h), 0)
    {
    }

    static constexpr int Stride(int w) { return (w * 3 + 3) & ~3; }
    int stride() const { return Stride(width); }

    // Row `i` in storage order (0 = first row stored = bottom row of the image).
    std::uint8_t* storedRow(int i)
    {
        return bits.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(stride());
    }
    const std::uint8_t* storedRow(int i) const
    {
        return bits.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(stride());
    }
};

// A writable view onto 32-bit pixels laid out as a Format_RGB32 image holds
// them: each pixel one 0xFFRRGGBB word, rows from the top down, `stride`
// words from the start of one row to the next. Renderers that draw straight
// into the window's image fill such a view; it does not own the pixels.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;

    bool covers(int w, int h) const { return pixels != nullptr && width >= w && height >= h; }
    std::uint32_t* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

} // namespace tintora
