// SPDX-License-Identifier: MIT
// Fuzzes the program's own reading of list settings: any text, split at any
// separator within any limits, gives at most the limit's entries, each
// non-empty, within the length limit and without the separator; they are the
// first such entries of the text in order, and the counts of what was
// dropped add up. The first two bytes choose the limits, the third the
// separator; the rest is the setting's text (UTF-8).
#include "platform/settings_store.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const char separators[] = {'\n', ',', ';', '\0', 'a'};
    const tintora::SettingListLimit limit{"Settings", "fuzz", separators[data[2] % sizeof separators],
                                          data[0] % 32, 1 + data[1] % 300};
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    const tintora::BoundedList list = tintora::ReadBoundedList(text, limit);

    // The same entries found the plain way.
    QStringList fitting;
    int tooLong = 0;
    for (const QString& entry : text.split(QLatin1Char(limit.separator), Qt::SkipEmptyParts))
        if (entry.size() > limit.maxItemLength)
            ++tooLong;
        else
            fitting << entry;
    Check(list.droppedLong == tooLong);
    Check(list.items.size() <= limit.maxItems);
    Check(list.items == fitting.mid(0, limit.maxItems));
    Check(list.droppedItems == fitting.size() - list.items.size());
    const QString note = tintora::DroppedListNote(limit, list);
    Check(note.isEmpty() == (list.droppedItems == 0 && list.droppedLong == 0));
    // What is kept, joined as the store gives it, reads back to itself.
    const QString joined = list.items.join(QLatin1Char(limit.separator));
    const tintora::BoundedList again = tintora::ReadBoundedList(joined, limit);
    Check(again.items == list.items && again.droppedItems == 0 && again.droppedLong == 0);
    return 0;
}
