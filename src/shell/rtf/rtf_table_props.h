#pragma once

#include <QColor>

#include <array>
#include <vector>

namespace tintora {

// One cell of a table row as \trowd ... \cellxN describes it.
struct RtfCellDefinition {
    enum Side { Top, Left, Bottom, Right };

    int edge = 0;                      // \cellxN: the right edge, in twips from the row's start
    std::array<int, 4> border{};       // by Side, in twips; 0 for none
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
};

} // namespace tintora
