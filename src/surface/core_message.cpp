// SPDX-License-Identifier: MIT
#include "surface/core_message.h"

#include <QCoreApplication>

namespace tintora {

QString TranslatedMessage(const Message& message)
{
    if (!message.context)
        return QString::fromStdString(message.text);
    QString templ = QCoreApplication::translate(message.context, message.text.c_str());
    if (message.args.empty())
        return templ;
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& arg : message.args)
        args.push_back(TranslatedMessage(arg).toStdString());
    return QString::fromStdString(FillPlaceholders(templ.toStdString(), args));
}

} // namespace tintora
