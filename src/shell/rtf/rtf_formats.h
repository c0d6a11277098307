// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_group_state.h"
#include "shell/rtf/rtf_keywords.h"

#include <QTextBlockFormat>

namespace tintora {

// Applies a character formatting word (\b, \i0, \fs20, \cf2, \plain, ...)
// to `props`. Returns false, changing nothing, for any other word. Sizes
// are clamped to 1..1638 points; a word without parameter switches on.
// \upN and \dnN show as superscript and subscript (a negative N turns
// the direction round; 0 ends the shift).
bool ApplyCharacterKeyword(RtfCharProps& props, RtfKeyword keyword, bool hasParam, int param);

// Applies a paragraph formatting word (\pard, \qc, \li720, \tx1440,
// \intbl, ...) to `props`. Returns false, changing nothing, for any other
// word, including \par, which ends a paragraph instead of describing one.
bool ApplyParagraphKeyword(RtfParagraphProps& props, RtfKeyword keyword, bool hasParam, int param);

// The block format for paragraph properties. Lengths become pixels at 96
// dots per inch (15 twips per pixel), clamped to 22 inches; margins are
// never negative, a first-line indent may be (a hanging indent). Tab stops
// are moved to Qt's origin, the start of the first line, and a hanging
// indent gets the implicit stop at the left indent.
QTextBlockFormat RtfBlockFormat(const RtfParagraphProps& props);

} // namespace tintora
