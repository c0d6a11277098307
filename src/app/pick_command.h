#pragma once

#include "core/color_types.h"

#include <functional>
#include <string>

namespace tintora {

// Writes a picked colour as the text that `--pick` prints.
using PickFormatter = std::function<std::string(Rgb)>;

// `tintora --pick`: the eyedropper alone, without the main window or the
// splash. Needs a QApplication; runs its event loop until the pick ends.
// Prints the picked colour on stdout, one line: `format`'s text, or the
// HTML code "#RRGGBB" when no formatter is given. Returns the exit status:
// 0 after a pick; 1 after a cancel (nothing printed); 1 when no colour could
// be picked, with the reason on stderr after `programName: `.
int RunPickCommand(const std::string& programName, const PickFormatter& format = {});

} // namespace tintora
