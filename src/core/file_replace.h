// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tintora {

// The mode a plain create gives a new file: 0666 less the umask.
unsigned NewFileMode();

// Replaces the file at `path` (a path in the system's encoding) with `bytes`:
// they go to a temporary file beside it ("<name>.XXXXXX"), every write, the
// fsync and the close are checked, and only then is the temporary file
// renamed over `path` and the folder synced. On any failure the temporary
// file is removed, `path` is left exactly as it was, and the result is the
// errno of the first failing call (ENOSPC on a full disk, EACCES, ...); 0
// means the new content is in place. `mode` is the new file's permission
// bits. rename() replaces the name itself: a symbolic link there is
// replaced, not followed, so callers decide about links before.
int ReplaceFileAtomically(const std::string& path, std::string_view bytes, unsigned mode);

} // namespace tintora
