// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintora {

// Path components are separated by '/'. On Windows '\\' separates them too;
// elsewhere a backslash is an ordinary character of a file name.

// The last component of `path`: everything after the last separator, the
// whole path when it has none, "" for an empty path or a path that ends in a
// separator ("a/b.rtf" -> "b.rtf", "a/" -> "").
QString FileNamePart(const QString& path);

// The path of the normal file that `path` names when its last component is
// matched without regard to case within its folder ("dir/HELP.RTF" for
// "dir/Help.rtf"), or "" when there is none. A normal file is a regular file
// or a link to one; folders, hidden files (names starting with '.') and
// special files (sockets, devices, pipes, broken links) do not count. A
// missing or unreadable folder, an empty path or a path ending in a separator
// gives "". A path without separator is looked up in the current folder.
// When several names differ only in case, the one that matches exactly is
// preferred, else the first in name order.
QString FindNormalFile(const QString& path);

// True when FindNormalFile(path) finds a file.
bool FileExists(const QString& path);

} // namespace tintora
