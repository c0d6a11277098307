// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_list_numbering.h"

#include <algorithm>
#include <utility>

namespace tintora {

namespace {

QString Roman(int n)
{
    static const std::pair<int, const char*> digits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString out;
    for (const auto& [value, text] : digits)
        for (; n >= value; n -= value)
            out += QLatin1String(text);
    return out;
}

// a..z, then aa, bb, ...: as word processors letter long lists.
QString Letters(int n)
{
    const int repeat = (n - 1) / 26 + 1;
    return QString(std::min(repeat, 16), QChar(u'a' + (n - 1) % 26));
}

} // namespace

QString RtfListNumbering::Format(RtfListProps::Style style, int n)
{
    using Style = RtfListProps::Style;
    n = std::clamp(n, 1, 3999);
    switch (style) {
    case Style::Decimal:
        return QString::number(n);
    case Style::UpperRoman:
        return Roman(n).toUpper();
    case Style::LowerRoman:
        return Roman(n);
    case Style::UpperLetter:
        return Letters(n).toUpper();
    case Style::LowerLetter:
        return Letters(n);
    case Style::Bullet:
    case Style::None:
        break;
    }
    return {};
}

int RtfListNumbering::Key(int list, int level)
{
    return std::clamp(list, 0, 1 << 20) * MaxLevels + std::clamp(level, 0, MaxLevels - 1);
}

int RtfListNumbering::Count(int list, int level, int start)
{
    const int key = Key(list, level);
    auto it = counters_.find(key);
    if (it == counters_.end() && counters_.size() < MaxCounters)
        it = counters_.emplace(key, start).first;
    const int number = it != counters_.end() ? it->second++ : start;
    // A number at one level starts the levels below it afresh.
    for (int deeper = level + 1; deeper < MaxLevels; ++deeper)
        counters_.erase(Key(list, deeper));
    return number;
}

int RtfListNumbering::Current(int list, int level, int start) const
{
    const auto it = counters_.find(Key(list, level));
    return it != counters_.end() ? it->second - 1 : start;
}

QString RtfListNumbering::Next(const RtfListProps& list)
{
    if (list.style == RtfListProps::Style::Bullet) {
        // The bullet glyph comes from a symbol font that \pnf names; a
        // middle dot is how its byte reads in a text font.
        return (list.before.isEmpty() || list.before == QStringLiteral(u"·") ? QStringLiteral(u"•")
                                                                             : list.before) +
               u'\t';
    }
    return list.before + Format(list.style, Count(list.list, list.level, list.start)) + list.after + u'\t';
}

QString RtfListNumbering::Next(int list, int level, const std::vector<RtfListLevel>& levels)
{
    using Style = RtfListProps::Style;
    const RtfListLevel& own = levels[static_cast<std::size_t>(level)];
    if (own.style == Style::None)
        return {};
    // The template's first character is its length.
    const int length = own.text.isEmpty() ? 0 : own.text.front().unicode();
    QString shape = own.text.mid(1, length);
    if (shape.size() < length)
        shape = shape.section(u';', 0, 0); // a length past the text: up to its end
    if (own.style == Style::Bullet)
        return (shape.isEmpty() || shape == QStringLiteral(u"·") ? QStringLiteral(u"•") : shape) + u'\t';
    const int number = Count(list, level, own.start);
    QString out;
    bool numbered = false;
    for (const QChar c : shape) {
        const int other = c.unicode();
        if (other >= MaxLevels) {
            out += c;
            continue;
        }
        numbered = true;
        if (other >= static_cast<int>(levels.size()))
            continue;
        const RtfListLevel& shown = levels[static_cast<std::size_t>(other)];
        const int value = other == level  ? number
                          : other < level ? Current(list, other, shown.start)
                                          : shown.start;
        out += Format(shown.style, value);
    }
    // A template without a number (or none at all) still shows this level's.
    if (!numbered)
        out += Format(own.style, number);
    return out + u'\t';
}

void RtfListTable::BeginList()
{
    if (lists_.size() < MaxLists)
        lists_.emplace_back();
}

void RtfListTable::SetListId(int id)
{
    overrideListId_ = id;
    if (!lists_.empty())
        lists_.back().id = id;
}

void RtfListTable::BeginLevel()
{
    if (!lists_.empty() && lists_.back().levels.size() < RtfListNumbering::MaxLevels)
        lists_.back().levels.emplace_back();
}

void RtfListTable::SetLevelFormat(int nfc)
{
    using Style = RtfListProps::Style;
    if (lists_.empty() || lists_.back().levels.empty())
        return;
    Style style = Style::Decimal;
    switch (nfc) {
    case 1:
        style = Style::UpperRoman;
        break;
    case 2:
        style = Style::LowerRoman;
        break;
    case 3:
        style = Style::UpperLetter;
        break;
    case 4:
        style = Style::LowerLetter;
        break;
    case 23:
        style = Style::Bullet;
        break;
    case 255:
        style = Style::None;
        break;
    default:
        break; // decimal, and the forms of other scripts
    }
    lists_.back().levels.back().style = style;
}

void RtfListTable::SetLevelStart(int start)
{
    if (!lists_.empty() && !lists_.back().levels.empty())
        lists_.back().levels.back().start = std::clamp(start, 0, 3999);
}

void RtfListTable::SetLevelText(const QString& text)
{
    if (!lists_.empty() && !lists_.back().levels.empty()) {
        QString& kept = lists_.back().levels.back().text;
        kept += text.left(MaxLevelText - kept.size());
    }
}

void RtfListTable::Override(int ls)
{
    if (overrides_.size() < MaxOverrides || overrides_.count(ls) > 0)
        overrides_[ls] = overrideListId_;
}

const std::vector<RtfListLevel>* RtfListTable::Levels(int ls) const
{
    const auto override = overrides_.find(ls);
    const int id = override != overrides_.end() ? override->second : ls;
    const auto list = std::find_if(lists_.begin(), lists_.end(), [id](const List& l) { return l.id == id; });
    return list != lists_.end() ? &list->levels : nullptr;
}

} // namespace tintora
