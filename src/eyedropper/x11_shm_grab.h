// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

class QScreen;

namespace tintora {

// Reads a screen's device pixels from the X server through shared memory
// (MIT-SHM): the server copies the screen into a segment that the program
// reads in place, which is several times cheaper than QScreen::grabWindow
// sending the whole screen over the X connection. A null image when the
// platform is not X11, the server has no MIT-SHM, or shared memory cannot
// be used (a remote display); the caller then grabs the usual way.
QImage GrabScreenThroughSharedMemory(QScreen* screen);

} // namespace tintora
