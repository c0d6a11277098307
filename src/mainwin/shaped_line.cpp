// SPDX-License-Identifier: MIT
#include "mainwin/shaped_line.h"

#include <QTextLayout>

namespace tintora {

ShapedLine ShapeLine(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option = layout.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return ShapedLine{line.glyphRuns(), line.naturalTextWidth()};
}

} // namespace tintora
