// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

namespace tintora {

// The fields of a document (\field): the instruction of each, collected
// while its \fldinst is read, and the hyperlink its result carries.
// Bounded: MaxFields fields with instructions of at most
// MaxInstructionLength characters, MaxChars in all; an instruction is
// dropped once its result starts.
class RtfFields
{
public:
    static constexpr int MaxFields = 65536;
    static constexpr int MaxInstructionLength = 2048;
    static constexpr qsizetype MaxChars = 1 << 20;

    // A new field: its index, or -1 once MaxFields fields are kept.
    int Begin();
    // Text of the instruction of `field` (an index from Begin, or -1).
    void AppendInstruction(int field, const QString& text);
    // The result of `field` starts: its instruction is read for a
    // hyperlink and let go. Returns `field` when its result is a link,
    // -1 otherwise.
    int StartResult(int field);
    // The target of a link that StartResult returned; empty for -1.
    QString Href(int link) const;

private:
    struct Field {
        QString instruction;
        QString href;
    };
    std::vector<Field> fields_;
    qsizetype chars_ = 0;
};

} // namespace tintora
