// SPDX-License-Identifier: MIT
#pragma once

namespace tintora {

// State that the shell's windows share for one run of the program. The
// application object owns the single instance and hands it to the windows.
struct ShellState {
    // Set when the main window was closed while the browser window stayed
    // open: closing the browser window then ends the program. Cleared by the
    // splash at every start; never stored between runs.
    bool mainWindowClosed = false;
};

} // namespace tintora
