// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_keywords.h"

#include <QColor>

#include <array>
#include <vector>

namespace tintora {

// One cell of a table row as \trowd ... \cellxN describes it.
struct RtfCellDefinition {
    enum Side { Top, Left, Bottom, Right };

    int edge = 0;                      // \cellxN: the right edge, in twips from the row's start
    std::array<int, 4> border{};       // by Side, in twips; 0 for none
    std::array<QColor, 4> borderColor; // by Side, \brdrcfN; invalid for the automatic colour
    QColor background;                 // \clcbpatN; invalid for none
    bool mergedLeft = false;           // \clmrg: part of the cell to its left
    bool mergeStart = false;           // \clvmgf: the top of cells merged downwards
    bool mergedUp = false;             // \clvmrg: part of the cell above
};

// The cells of the row being read and the borders of the whole row
// (\trbrdrt ...). Bounded: cells past MaxCells are not described.
struct RtfRowDefinition {
    static constexpr int MaxCells = 64;

    std::vector<RtfCellDefinition> cells;
    std::array<int, 4> border{};
    std::array<QColor, 4> borderColor;
};

class RtfStyleTables;

// Reads the words that define a table row (\trowd, \cellxN, the cell and
// row borders with their widths and colours, \clcbpatN, the merge flags)
// into a row definition. Colours are looked up when they are read; colour
// 0 is the automatic colour, as for text.
class RtfRowReader
{
public:
    // Applies a row-definition word; false, changing nothing, for others.
    // Background colours are looked up in `tables`.
    bool Keyword(RtfKeyword keyword, bool hasParam, int param, const RtfStyleTables& tables);

    const RtfRowDefinition& Row() const { return row_; }
    // The number of \cellx words since \trowd, including those past MaxCells.
    int Cells() const { return cells_; }

private:
    RtfRowDefinition row_;
    RtfCellDefinition cell_; // the cell being defined, until its \cellx
    int cells_ = 0;
    // Where the next border words (\brdrs, \brdrwN, \brdrcfN) go: a side of the cell
    // being defined (0..3), of the row (4..7), or nowhere (-1).
    int borderTarget_ = -1;
};

} // namespace tintora
