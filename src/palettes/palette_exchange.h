// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "palettes/custom_colors_file.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// Taking the 224 custom colours (cells 1..224 of CustomColorArray; slot 0
// has no cell and is never read or written here) out to other programs and
// bringing palettes in.
//
// Formats:
//  - Gpl: the GIMP palette, read by GIMP, Inkscape, Krita, Aseprite and
//    gpick. First line "GIMP Palette"; then optional "Name: ..." and
//    "Columns: N" lines, "#" comment lines and blank lines; then one colour a
//    line: red, green and blue as decimal 0..255 separated by blanks, then
//    optionally blanks and a name that may hold spaces.
//  - Css: CSS custom properties, one "--name: colour;" a line, where the
//    colour is any notation ParseColorNotation reads (hex, rgb(), oklch(),
//    color(display-p3 ...), ...), in blocks such as ":root {" or Tailwind's
//    "@theme {"; comments on one line or several.
//  - HexList: one "#RRGGBB" a line.
//  - Ase: Adobe Swatch Exchange, binary (see palette_ase.h).
enum class PaletteFileFormat { Gpl, Css, HexList, Ase };

// The format of a file name by its extension, any case: .gpl, .css, .txt
// or .hex for the hex list, and .ase. nullopt for anything else.
std::optional<PaletteFileFormat> PaletteFormatForPath(const QString& path);

// Bounds of the importer: a bigger file, or a longer line, is refused
// before anything is parsed.
inline constexpr std::size_t MaxPaletteFileBytes = std::size_t{1} << 20;
inline constexpr std::size_t MaxPaletteLineBytes = 1024;
inline constexpr int PaletteCellCount = CustomColorSlots - 1; // 224

// The exported text of cells 1..224. Each cell's low three bytes are the
// colour (the program stores only plain colours there). In the .gpl each
// colour is named: its exact CSS name where it has one, else its HTML code.
// The CSS names each property --<prefix>-<cell> with the CSS name, if any,
// in a comment.
std::string FormatPalette(const CustomColorArray& colors, PaletteFileFormat format, std::string_view name);

struct PaletteRead {
    std::vector<Rgb> colors; // the first 224 colours of the file, in order
    int colorsInFile = 0;    // every colour line, also those past 224
    std::string name;        // a .gpl's "Name:", else empty
    std::string error;       // set when the file is refused; colors is then empty
    std::string note;        // what the reader changed on the way (an .ase's CMYK)
};

// Reads palette text. Refused, with a message that names the line and what
// was expected: more than MaxPaletteFileBytes or a line longer than
// MaxPaletteLineBytes; control characters other than tab, CR and form feed
// (a binary file); a .gpl without its "GIMP Palette" header; a colour line
// that does not start with three numbers 0..255; a bad "Columns:" value; a
// file without any colour.
PaletteRead ParsePalette(std::string_view bytes, PaletteFileFormat format);

struct PaletteImport {
    bool ok = false;
    CustomColorArray colors{}; // the palette after the import (unchanged when !ok)
    int firstCell = 0;         // cells that received colours, 1-based
    int lastCell = 0;
    QString message; // what was read and where it went, or why nothing changed
};

// Puts the colours read into cells 1, 2, ... of `current`; cells past them,
// and slot 0, keep their values. Colours past the 224th are left out and the
// message says so.
PaletteImport ApplyPaletteImport(const CustomColorArray& current, const PaletteRead& read,
                                 const QString& source);

// Reads and applies a palette file; its format comes from the extension.
// Anything but a regular file of a known extension is refused unread.
PaletteImport ImportPaletteFile(const QString& path, const CustomColorArray& current);

struct PaletteExport {
    bool ok = false;
    QString message; // where it went, or why it failed
};

// Writes the palette to `path` atomically: a temporary file beside it
// takes every byte, each write and the sync are checked, and only then does
// it replace the old file, so a failed export (a full disk) leaves an
// existing file as it was and reports the reason. A link at `path` is
// followed; anything but a regular file there is refused. The format comes
// from the extension; an unknown extension is refused. `name` goes into the
// .gpl's "Name:" line and the CSS comment.
PaletteExport ExportPaletteFile(const QString& path, const CustomColorArray& colors, const QString& name);

class CustomColorsStore;

// The import of a file straight into the palette file: loads the palette
// from `store`, imports `path` into it and saves it through the store.
// When the file is refused or the save fails, ok is false, the message says
// why, and the palette file is as it was. On success `colors` is what was
// saved and the message ends with where it was saved.
PaletteImport ImportPaletteIntoStore(const QString& path, CustomColorsStore& store);

// The filters of a file dialog for import and export, GIMP palette first.
QString PaletteFileDialogFilter();

} // namespace tintora
