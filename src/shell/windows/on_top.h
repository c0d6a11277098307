// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tintora {

// Keeps the window of `w` above all other windows (onTop) or returns it to the
// normal stacking order, without moving, resizing or hiding it, then raises
// and activates it. A window that is already shown stays shown. Null does
// nothing.
void SetOnTop(QWidget* w, bool onTop);

} // namespace tintora
