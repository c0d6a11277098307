// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_lists.h"

#include <algorithm>

namespace tintora {

namespace {

bool IsBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

RtfListProps::Style PnStyle(RtfKeyword keyword)
{
    using Style = RtfListProps::Style;
    switch (keyword) {
    case RtfKeyword::ListBullet:
        return Style::Bullet;
    case RtfKeyword::ListUpperRoman:
        return Style::UpperRoman;
    case RtfKeyword::ListLowerRoman:
        return Style::LowerRoman;
    case RtfKeyword::ListUpperLetter:
        return Style::UpperLetter;
    case RtfKeyword::ListLowerLetter:
        return Style::LowerLetter;
    default:
        return Style::Decimal;
    }
}

} // namespace

RtfLists::Handled RtfLists::Keyword(RtfGroupState& s, RtfKeyword keyword, bool hasParam, int param,
                                    bool mayOpen)
{
    if (s.destination == RtfDestination::ListTable && ListTableKeyword(keyword, hasParam ? param : 0))
        return Handled::Yes;
    const bool inBody = s.destination == RtfDestination::Body && mayOpen;
    const bool inDefinition = s.destination == RtfDestination::ListDefinition;
    switch (keyword) {
    case RtfKeyword::ListText:
    case RtfKeyword::PnText:
        s.listText = true;
        return Handled::Yes;
    case RtfKeyword::ListDefinition:
    case RtfKeyword::ListTable:
        if (!inBody)
            return Handled::Skip;
        s.destination =
            keyword == RtfKeyword::ListTable ? RtfDestination::ListTable : RtfDestination::ListDefinition;
        return Handled::Yes;
    case RtfKeyword::LevelText:
        if (s.destination != RtfDestination::ListTable)
            return Handled::Skip;
        s.listAffix = RtfListAffix::LevelText;
        return Handled::Yes;
    case RtfKeyword::ListTextBefore:
    case RtfKeyword::ListTextAfter:
        if (!inDefinition)
            return Handled::Skip;
        s.listAffix = keyword == RtfKeyword::ListTextBefore ? RtfListAffix::Before : RtfListAffix::After;
        return Handled::Yes;
    case RtfKeyword::ListBullet:
    case RtfKeyword::ListDecimal:
    case RtfKeyword::ListUpperRoman:
    case RtfKeyword::ListLowerRoman:
    case RtfKeyword::ListUpperLetter:
    case RtfKeyword::ListLowerLetter:
        if (inDefinition)
            s.paragraph.list.style = PnStyle(keyword);
        return Handled::Yes;
    case RtfKeyword::ListStart:
        if (inDefinition)
            s.paragraph.list.start = std::clamp(hasParam ? param : 1, 0, 3999);
        return Handled::Yes;
    default:
        return Handled::No;
    }
}

bool RtfLists::ListTableKeyword(RtfKeyword keyword, int value)
{
    switch (keyword) {
    case RtfKeyword::ListEntry:
        table_.BeginList();
        return true;
    case RtfKeyword::ListId:
        table_.SetListId(value);
        return true;
    case RtfKeyword::ListLevelEntry:
        table_.BeginLevel();
        return true;
    case RtfKeyword::LevelFormat:
        table_.SetLevelFormat(value);
        return true;
    case RtfKeyword::LevelStart:
        table_.SetLevelStart(value);
        return true;
    case RtfKeyword::ListOverride:
        table_.Override(value);
        return true;
    default:
        return false;
    }
}

bool RtfLists::KeepsText(const RtfGroupState& s)
{
    if (s.destination == RtfDestination::ListDefinition)
        return s.listAffix == RtfListAffix::Before || s.listAffix == RtfListAffix::After;
    return s.destination == RtfDestination::ListTable && s.listAffix == RtfListAffix::LevelText;
}

void RtfLists::Text(RtfGroupState& s, const QString& text)
{
    if (!KeepsText(s))
        return;
    if (s.destination == RtfDestination::ListTable) {
        table_.SetLevelText(text);
        return;
    }
    QString& affix = s.listAffix == RtfListAffix::Before ? s.paragraph.list.before : s.paragraph.list.after;
    affix += text.left(RtfListProps::MaxAffix - affix.size());
}

std::optional<QString> RtfLists::BeforeBodyText(const RtfGroupState& s, const QString& text)
{
    if (s.listText) {
        // A number written out is shown as it is; an empty one (some
        // writers leave only the tab) is made when the paragraph's text
        // starts.
        if (IsBlank(text))
            return std::nullopt;
        numberShown_ = true;
        return QString();
    }
    const RtfListProps& list = s.paragraph.list;
    if (numberShown_ || (list.style == RtfListProps::Style::None && list.list <= 0))
        return QString();
    numberShown_ = true;
    return Number(list);
}

QString RtfLists::Number(const RtfListProps& list)
{
    // \pn describes the number where it is given; otherwise the list table
    // does, for the paragraph's \lsN.
    if (list.style != RtfListProps::Style::None)
        return numbers_.Next(list);
    const std::vector<RtfListLevel>* levels = table_.Levels(list.list);
    if (levels == nullptr || list.level < 0 || list.level >= static_cast<int>(levels->size()))
        return {};
    return numbers_.Next(list.list, list.level, *levels);
}

} // namespace tintora
