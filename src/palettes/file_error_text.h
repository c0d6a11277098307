// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintora {

// Why a file could not be read or written, for a message that names the
// file: the system's words for `error` (an errno value) in the language the
// program speaks, so a reason never mixes the program's language with the
// C library's. The failures a save or an import meets are translated; any
// other error falls back to strerror's text.
QString FileErrorText(int error);

} // namespace tintora
