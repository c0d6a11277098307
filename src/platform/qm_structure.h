// SPDX-License-Identifier: MIT
// A check of a compiled translation (.qm) before QTranslator reads it.
// QTranslator trusts every length and offset inside such a file and looks
// texts up without bounds checks, so a damaged file can make it read far
// outside the data. This walks the whole structure in plain C++: a file that
// passes has every section, hash entry and message record inside its data.
#pragma once

#include <cstddef>

namespace tintora {

// Larger files are refused unread: the program's own translations are a few
// dozen kilobytes.
inline constexpr std::size_t kMaxQmBytes = std::size_t{4} << 20;

// True when `data` holds a whole .qm file that QTranslator can read without
// leaving it:
//  - the magic number, then sections of a tag byte and a 32-bit length, each
//    inside the data; each known tag at most once; no unknown tag and no
//    dependencies (they would load further files);
//  - contexts: a hash table of at least one bucket inside the section, each
//    bucket's list of length-prefixed names ending inside it;
//  - hashes: 8-byte entries sorted by hash, each pointing at the start of a
//    message record;
//  - messages: records back to back, each a run of known tags whose lengths
//    stay inside the section, ending with the end tag; translations (UTF-16)
//    of even length;
//  - plural rules that Qt's own check accepts.
bool QmStructureIsSound(const unsigned char* data, std::size_t size);

} // namespace tintora
