// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <functional>
#include <string>

namespace tintora {

// The exit statuses of `--pick` besides 0 (a colour was printed) and 2 (a
// bad command line): a cancel by the user, and a failure (no display, a
// screen that cannot be read, a colour without the asked notation).
inline constexpr int PickCancelled = 1;
inline constexpr int PickFailed = 3;

// Writes a picked colour as the text that `--pick` prints.
using PickFormatter = std::function<std::string(Rgb)>;

// `tintora --pick`: the eyedropper alone, without the main window or the
// splash. Needs a QApplication; runs its event loop until the pick ends.
// Prints the picked colour on stdout, one line: `format`'s text, or the
// HTML code "#RRGGBB" when no formatter is given. Returns the exit status:
// 0 after a pick; PickCancelled after a cancel (nothing printed);
// PickFailed when no colour could be picked, with the reason on stderr after
// `programName: `.
int RunPickCommand(const std::string& programName, const PickFormatter& format = {});

} // namespace tintora
