// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintora {

// The link target of a field instruction such as
//   HYPERLINK "https://example.org/page" \o "tip"
//   HYPERLINK \l "section"        (a place in the same document)
// Returns the URL, with "#location" appended for a \l switch, or an empty
// string when the instruction is not a hyperlink or names no target.
// Inside quotes, \\ stands for a backslash and \" for a quote, as word
// processors write field arguments.
QString HyperlinkTarget(const QString& instruction);

} // namespace tintora
