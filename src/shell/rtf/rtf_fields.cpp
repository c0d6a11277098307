// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_fields.h"

#include "shell/rtf/rtf_field_instruction.h"

#include <algorithm>

namespace tintora {

int RtfFields::Begin()
{
    if (static_cast<int>(fields_.size()) >= MaxFields)
        return -1;
    fields_.emplace_back();
    return static_cast<int>(fields_.size()) - 1;
}

void RtfFields::AppendInstruction(int field, const QString& text)
{
    if (field < 0)
        return;
    QString& instruction = fields_[static_cast<std::size_t>(field)].instruction;
    const QString kept = text.left(std::min(MaxInstructionLength - instruction.size(), MaxChars - chars_));
    instruction += kept;
    chars_ += kept.size();
}

int RtfFields::StartResult(int field)
{
    if (field < 0)
        return -1;
    Field& f = fields_[static_cast<std::size_t>(field)];
    f.href = HyperlinkTarget(f.instruction);
    f.instruction = QString();
    return f.href.isEmpty() ? -1 : field;
}

QString RtfFields::Href(int link) const
{
    return link >= 0 ? fields_[static_cast<std::size_t>(link)].href : QString();
}

} // namespace tintora
