// SPDX-License-Identifier: MIT
#include "surface/core_message.h"

#include <QCoreApplication>
#include <QStringList>

namespace tintora {

QString TranslatedMessage(const Message& message)
{
    if (!message.context)
        return QString::fromStdString(message.text);
    QStringList args;
    args.reserve(static_cast<qsizetype>(message.args.size()));
    for (const Message& arg : message.args)
        args.append(TranslatedMessage(arg));
    const QString templ = QCoreApplication::translate(message.context, message.text.c_str());
    // One pass, so that an argument holding "%1" (typed by the user) stays.
    QString out;
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const int digit =
            i + 1 < templ.size() && templ[i] == QLatin1Char('%') ? templ[i + 1].digitValue() : -1;
        if (digit >= 1 && digit <= args.size()) {
            out += args[digit - 1];
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

} // namespace tintora
