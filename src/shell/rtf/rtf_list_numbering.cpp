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
    for (const auto& [value, text] : digits) {
        for (; n >= value; n -= value) {
            out += QLatin1String(text);
        }
    }
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

QString RtfListNumbering::Next(const RtfListProps& list)
{
    if (list.style == RtfListProps::Style::Bullet) {
        // The bullet glyph comes from a symbol font that \pnf names; a
        // middle dot is how its byte reads in a text font.
        return (list.before.isEmpty() || list.before == QStringLiteral(u"·") ? QStringLiteral(u"•")
                                                                             : list.before) +
               u'\t';
    }
    const int key = std::clamp(list.list, 0, 1 << 20) * MaxLevels + list.level;
    auto it = counters_.find(key);
    if (it == counters_.end() && counters_.size() < MaxCounters) {
        it = counters_.emplace(key, list.start).first;
    }
    const int number = it != counters_.end() ? it->second++ : list.start;
    // A number at one level starts the levels below it afresh.
    for (int deeper = list.level + 1; deeper < MaxLevels; ++deeper) {
        counters_.erase(key - list.level + deeper);
    }
    return list.before + Format(list.style, number) + list.after + u'\t';
}

void RtfListTable::BeginList()
{
    if (lists_.size() < MaxLists) {
        lists_.emplace_back();
    }
}

void RtfListTable::SetListId(int id)
{
    overrideListId_ = id;
    if (!lists_.empty()) {
        lists_.back().id = id;
    }
}

void RtfListTable::BeginLevel()
{
    if (!lists_.empty() && lists_.back().levels.size() < RtfListNumbering::MaxLevels) {
        lists_.back().levels.emplace_back();
    }
}

void RtfListTable::SetLevelFormat(int nfc)
{
    using Style = RtfListProps::Style;
    if (lists_.empty() || lists_.back().levels.empty()) {
        return;
    }
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
    if (!lists_.empty() && !lists_.back().levels.empty()) {
        lists_.back().levels.back().start = std::clamp(start, 0, 3999);
    }
}

void RtfListTable::SetLevelText(const QString& text)
{
    if (!lists_.empty() && !lists_.back().levels.empty()) {
        QString& kept = lists_.back().levels.back().text;
        kept += text.left(64 - kept.size());
    }
}

void RtfListTable::Override(int ls)
{
    if (overrides_.size() < MaxOverrides || overrides_.count(ls) > 0) {
        overrides_[ls] = overrideListId_;
    }
}

RtfListProps RtfListTable::Props(int ls, int level) const
{
    RtfListProps props;
    props.list = ls;
    props.level = level;
    const auto override = overrides_.find(ls);
    const int id = override != overrides_.end() ? override->second : ls;
    const auto list = std::find_if(lists_.begin(), lists_.end(), [id](const List& l) { return l.id == id; });
    if (list == lists_.end() || level < 0 || level >= static_cast<int>(list->levels.size())) {
        return props;
    }
    const Level& l = list->levels[static_cast<std::size_t>(level)];
    props.style = l.style;
    props.start = l.start;
    // The template's first character is its length; the level numbers are
    // written as the characters 0 to 8. Only this level's number is shown,
    // with the text before the first number and after the last.
    const QString text = l.text.mid(1).section(u';', 0, 0);
    const auto isNumber = [](QChar c) { return c.unicode() < RtfListNumbering::MaxLevels; };
    const qsizetype first = std::find_if(text.begin(), text.end(), isNumber) - text.begin();
    if (first == text.size()) {
        props.before = text.left(RtfListProps::MaxAffix);
        return props;
    }
    qsizetype last = text.size() - 1;
    while (last > first && !isNumber(text[last])) {
        --last;
    }
    props.before = text.left(std::min<qsizetype>(first, RtfListProps::MaxAffix));
    props.after = text.mid(last + 1).left(RtfListProps::MaxAffix);
    return props;
}

} // namespace tintora
