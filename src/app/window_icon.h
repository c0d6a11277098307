// SPDX-License-Identifier: MIT
#pragma once

namespace tintora {

// The window icon, rendered from the program's SVG icon at build time
// (cmake/render_icon.cpp): a square of kWindowIconSize pixels, premultiplied
// RGBA, 4 bytes a pixel, rows top to bottom.
extern const int kWindowIconSize;
extern const unsigned char kWindowIconRgba[];

} // namespace tintora
