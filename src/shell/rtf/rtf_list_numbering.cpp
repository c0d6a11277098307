#include "shell/rtf/rtf_list_numbering.h"

#include <algorithm>
#include <utility>

namespace tintora {

namespace {

QString Roman(int n)
{
    static const std::pair<int, const char*> digits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
                                                        {100, "c"},  {90, "xc"},  {50, "l"},  {40, "xl"},
                                                        {10, "x"},   {9, "ix"},   {5, "v"},   {4, "iv"},
                                                        {1, "i"}};
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

} // namespace tintora
