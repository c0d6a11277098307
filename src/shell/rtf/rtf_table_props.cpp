// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_table_props.h"

#include "shell/rtf/rtf_style_tables.h"

#include <algorithm>

namespace tintora {

bool RtfRowReader::Keyword(RtfKeyword keyword, bool hasParam, int param, const RtfStyleTables& tables)
{
    const auto borderWidth = [this]() -> int* {
        if (borderTarget_ >= 4)
            return &row_.border[static_cast<std::size_t>(borderTarget_ - 4)];
        return borderTarget_ >= 0 ? &cell_.border[static_cast<std::size_t>(borderTarget_)] : nullptr;
    };
    const auto borderColor = [this]() -> QColor* {
        if (borderTarget_ >= 4)
            return &row_.borderColor[static_cast<std::size_t>(borderTarget_ - 4)];
        return borderTarget_ >= 0 ? &cell_.borderColor[static_cast<std::size_t>(borderTarget_)] : nullptr;
    };
    constexpr int DefaultBorder = 15; // one pixel, in twips
    switch (keyword) {
    case RtfKeyword::RowDefaults:
        *this = RtfRowReader{};
        return true;
    case RtfKeyword::CellEdge:
        cells_ = std::min(cells_ + 1, RtfRowDefinition::MaxCells);
        cell_.edge = std::clamp(hasParam ? param : 0, 0, 31680);
        if (static_cast<int>(row_.cells.size()) < RtfRowDefinition::MaxCells)
            row_.cells.push_back(cell_);
        cell_ = RtfCellDefinition{};
        borderTarget_ = -1;
        return true;
    case RtfKeyword::CellBorderTop:
    case RtfKeyword::CellBorderLeft:
    case RtfKeyword::CellBorderBottom:
    case RtfKeyword::CellBorderRight:
        borderTarget_ = static_cast<int>(keyword) - static_cast<int>(RtfKeyword::CellBorderTop);
        return true;
    case RtfKeyword::RowBorderTop:
    case RtfKeyword::RowBorderLeft:
    case RtfKeyword::RowBorderBottom:
    case RtfKeyword::RowBorderRight:
        borderTarget_ = 4 + static_cast<int>(keyword) - static_cast<int>(RtfKeyword::RowBorderTop);
        return true;
    case RtfKeyword::ParagraphBorder:
        borderTarget_ = -1;
        return true;
    case RtfKeyword::BorderStyle:
        if (int* width = borderWidth(); width != nullptr && *width == 0)
            *width = DefaultBorder;
        return true;
    case RtfKeyword::BorderNone:
        if (int* width = borderWidth())
            *width = 0;
        return true;
    case RtfKeyword::BorderWidth:
        if (int* width = borderWidth(); width != nullptr && *width > 0)
            *width = std::clamp(hasParam ? param : DefaultBorder, 1, 150);
        return true;
    case RtfKeyword::BorderColor:
        if (QColor* color = borderColor())
            *color = hasParam && param > 0 ? tables.ColorAt(param) : QColor();
        return true;
    case RtfKeyword::CellBackground:
        cell_.background = hasParam && param > 0 ? tables.ColorAt(param) : QColor();
        return true;
    case RtfKeyword::CellMergeLeft:
        cell_.mergedLeft = true;
        return true;
    case RtfKeyword::CellMergeUp:
        cell_.mergedUp = true;
        return true;
    case RtfKeyword::CellMergeStart:
        cell_.mergeStart = true;
        return true;
    case RtfKeyword::CellMergeFirst:
        return true;
    default:
        return false;
    }
}

} // namespace tintora
