// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace tintora {

// The program's own command line: `args` (the program's name first) without
// Qt's standard options (-platform NAME, -style NAME or -style=NAME,
// -display HOST:SCREEN, -reverse, -qwindowgeometry GEOMETRY, ...), which
// Qt's application object takes for itself. Qt accepts each with one dash
// or two, and so does this. An option that needs a value and has none is
// left in, for the program's parser to report.
QStringList WithoutQtOptions(const QStringList& args);

} // namespace tintora
