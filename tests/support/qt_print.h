// SPDX-License-Identifier: MIT
#pragma once

// Readable GoogleTest failure messages for Qt values: a QString as its text
// in quotes, a QRect as its corner and size.

#include <QRect>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}
