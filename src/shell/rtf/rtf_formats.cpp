// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_formats.h"

#include <QTextBlockFormat>
#include <QTextOption>

#include <algorithm>
#include <vector>

namespace tintora {

namespace {

constexpr int MaxTwips = 31680; // 22 inches, the widest page RTF writers allow

bool Flag(bool hasParam, int param)
{
    return !hasParam || param != 0;
}

double Pixels(int twips)
{
    // Qt lays documents out at 96 dots per inch: 15 twips per pixel.
    return std::clamp(twips, -MaxTwips, MaxTwips) / 15.0;
}

QTextOption::TabType TabType(RtfParagraphProps::TabKind kind)
{
    switch (kind) {
    case RtfParagraphProps::TabKind::Right:
        return QTextOption::RightTab;
    case RtfParagraphProps::TabKind::Center:
        return QTextOption::CenterTab;
    case RtfParagraphProps::TabKind::Decimal:
        return QTextOption::DelimiterTab;
    case RtfParagraphProps::TabKind::Left:
        break;
    }
    return QTextOption::LeftTab;
}

} // namespace

bool ApplyCharacterKeyword(RtfCharProps& c, RtfKeyword keyword, bool hasParam, int param)
{
    switch (keyword) {
    case RtfKeyword::Plain:
        c = RtfCharProps{};
        return true;
    case RtfKeyword::Bold:
        c.bold = Flag(hasParam, param);
        return true;
    case RtfKeyword::Italic:
        c.italic = Flag(hasParam, param);
        return true;
    case RtfKeyword::Strike:
        c.strike = Flag(hasParam, param);
        return true;
    case RtfKeyword::Hidden:
        c.hidden = Flag(hasParam, param);
        return true;
    case RtfKeyword::Caps:
        c.caps = Flag(hasParam, param);
        return true;
    case RtfKeyword::SmallCaps:
        c.smallCaps = Flag(hasParam, param);
        return true;
    case RtfKeyword::Underline:
        c.underline = Flag(hasParam, param) ? RtfCharProps::Underline::Single : RtfCharProps::Underline::None;
        return true;
    case RtfKeyword::UnderlineDouble:
        c.underline = Flag(hasParam, param) ? RtfCharProps::Underline::Double : RtfCharProps::Underline::None;
        return true;
    case RtfKeyword::UnderlineNone:
        c.underline = RtfCharProps::Underline::None;
        return true;
    case RtfKeyword::FontSize:
        // Word accepts sizes from 1 to 1638 points.
        c.halfPoints = hasParam && param > 0 ? std::clamp(param, 2, 3276) : 24;
        return true;
    case RtfKeyword::Foreground:
        c.foreground = hasParam ? param : 0;
        return true;
    case RtfKeyword::Background:
        c.background = hasParam ? param : 0;
        return true;
    case RtfKeyword::Super:
        c.script = RtfCharProps::Script::Super;
        return true;
    case RtfKeyword::Sub:
        c.script = RtfCharProps::Script::Sub;
        return true;
    case RtfKeyword::Up:
    case RtfKeyword::Down: {
        // \up and \dn raise or lower by half-points (6 by default); Qt has
        // no baseline shift, so any shift shows as super- or subscript.
        const bool shifted = !hasParam || param != 0;
        const bool up = (keyword == RtfKeyword::Up) == (!hasParam || param > 0);
        c.script = !shifted ? RtfCharProps::Script::Normal
                   : up     ? RtfCharProps::Script::Super
                            : RtfCharProps::Script::Sub;
        return true;
    }
    case RtfKeyword::NoSuperSub:
        c.script = RtfCharProps::Script::Normal;
        return true;
    default:
        return false;
    }
}

bool ApplyParagraphKeyword(RtfParagraphProps& p, RtfKeyword keyword, bool hasParam, int param)
{
    const int value = hasParam ? param : 0;
    switch (keyword) {
    case RtfKeyword::Pard:
        p = RtfParagraphProps{};
        return true;
    case RtfKeyword::AlignLeft:
        p.align = RtfParagraphProps::Align::Left;
        return true;
    case RtfKeyword::AlignCenter:
        p.align = RtfParagraphProps::Align::Center;
        return true;
    case RtfKeyword::AlignRight:
        p.align = RtfParagraphProps::Align::Right;
        return true;
    case RtfKeyword::AlignJustify:
        p.align = RtfParagraphProps::Align::Justify;
        return true;
    case RtfKeyword::LeftIndent:
        p.leftIndent = value;
        return true;
    case RtfKeyword::RightIndent:
        p.rightIndent = value;
        return true;
    case RtfKeyword::FirstIndent:
        p.firstIndent = value;
        return true;
    case RtfKeyword::SpaceBefore:
        p.spaceBefore = value;
        return true;
    case RtfKeyword::SpaceAfter:
        p.spaceAfter = value;
        return true;
    case RtfKeyword::TabRight:
        p.nextTabKind = RtfParagraphProps::TabKind::Right;
        return true;
    case RtfKeyword::TabCenter:
        p.nextTabKind = RtfParagraphProps::TabKind::Center;
        return true;
    case RtfKeyword::TabDecimal:
        p.nextTabKind = RtfParagraphProps::TabKind::Decimal;
        return true;
    case RtfKeyword::TabStop:
        if (p.tabCount < RtfParagraphProps::MaxTabStops)
            p.tabs[static_cast<std::size_t>(p.tabCount++)] = {value, p.nextTabKind};
        p.nextTabKind = RtfParagraphProps::TabKind::Left;
        return true;
    case RtfKeyword::ParagraphBackground:
        p.background = value;
        return true;
    case RtfKeyword::InTable:
        p.inTable = true;
        return true;
    case RtfKeyword::ListOverride:
        p.list.list = value;
        return true;
    case RtfKeyword::ListLevel:
        p.list.level = std::clamp(value, 0, 8);
        return true;
    default:
        return false;
    }
}

QTextBlockFormat RtfBlockFormat(const RtfParagraphProps& p)
{
    QTextBlockFormat format;
    switch (p.align) {
    case RtfParagraphProps::Align::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case RtfParagraphProps::Align::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case RtfParagraphProps::Align::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case RtfParagraphProps::Align::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(std::max(0.0, Pixels(p.leftIndent)));
    format.setRightMargin(std::max(0.0, Pixels(p.rightIndent)));
    format.setTextIndent(Pixels(p.firstIndent));
    format.setTopMargin(std::max(0.0, Pixels(p.spaceBefore)));
    format.setBottomMargin(std::max(0.0, Pixels(p.spaceAfter)));
    // RTF measures tab stops from the left edge of the text column; Qt from
    // where the first line starts. A hanging indent also has a stop of its
    // own at the left indent, which word processors use for list bullets.
    const double lineStart = std::max(0.0, format.leftMargin() + format.textIndent());
    std::vector<QTextOption::Tab> stops;
    stops.reserve(static_cast<std::size_t>(p.tabCount) + 1);
    for (int i = 0; i < p.tabCount; ++i) {
        const RtfParagraphProps::Tab& tab = p.tabs[static_cast<std::size_t>(i)];
        stops.emplace_back(Pixels(tab.position) - lineStart, TabType(tab.kind),
                           tab.kind == RtfParagraphProps::TabKind::Decimal ? QChar(u'.') : QChar());
    }
    if (format.textIndent() < 0)
        stops.emplace_back(format.leftMargin() - lineStart, QTextOption::LeftTab);
    // One stop at each place: the first one given there counts.
    std::stable_sort(stops.begin(), stops.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
        return a.position < b.position;
    });
    stops.erase(std::unique(stops.begin(), stops.end(),
                            [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
                                return a.position == b.position;
                            }),
                stops.end());
    QList<QTextOption::Tab> tabs;
    for (const QTextOption::Tab& stop : stops)
        if (stop.position > 0)
            tabs.append(stop);
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    return format;
}

} // namespace tintora
