// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_field_instruction.h"

#include <QStringList>

namespace tintora {

namespace {

struct Argument {
    QString text;
    bool quoted = false;
};

QList<Argument> SplitArguments(const QString& instruction)
{
    QList<Argument> out;
    const qsizetype size = instruction.size();
    qsizetype i = 0;
    while (i < size) {
        if (instruction[i].isSpace()) {
            ++i;
            continue;
        }
        Argument arg;
        if (instruction[i] == u'"') {
            arg.quoted = true;
            ++i;
            while (i < size && instruction[i] != u'"') {
                if (instruction[i] == u'\\' && i + 1 < size &&
                    (instruction[i + 1] == u'\\' || instruction[i + 1] == u'"')) {
                    ++i;
                }
                arg.text += instruction[i];
                ++i;
            }
            ++i; // the closing quote, if any
        } else {
            while (i < size && !instruction[i].isSpace()) {
                arg.text += instruction[i];
                ++i;
            }
        }
        out.append(arg);
    }
    return out;
}

bool IsSwitch(const Argument& arg)
{
    return !arg.quoted && arg.text.startsWith(u'\\');
}

} // namespace

QString HyperlinkTarget(const QString& instruction)
{
    const QList<Argument> args = SplitArguments(instruction);
    if (args.isEmpty() || args[0].quoted ||
        args[0].text.compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0) {
        return {};
    }
    QString url;
    QString location;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (IsSwitch(args[i])) {
            const QString name = args[i].text.mid(1).toLower();
            // Switches with an argument: \l place, \o tooltip, \t target frame.
            if (name == u"l" || name == u"o" || name == u"t") {
                if (i + 1 < args.size() && !IsSwitch(args[i + 1])) {
                    ++i;
                    if (name == u"l")
                        location = args[i].text;
                }
            }
            continue;
        }
        if (url.isEmpty())
            url = args[i].text;
    }
    if (!location.isEmpty())
        url += u'#' + location;
    return url;
}

} // namespace tintora
