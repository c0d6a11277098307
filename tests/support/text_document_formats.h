// SPDX-License-Identifier: MIT
#pragma once

// Finding the formats a QTextDocument gave a piece of its text.

#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <optional>

namespace tintora::test {

// The format of the text fragment that holds `text`, if there is one.
inline std::optional<QTextCharFormat> FormatOf(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    }
    return std::nullopt;
}

} // namespace tintora::test
