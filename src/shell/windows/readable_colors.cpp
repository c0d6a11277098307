// SPDX-License-Identifier: MIT
#include "shell/windows/readable_colors.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>

#include "core/color_contrast.h"
#include "surface/qt_colors.h"

namespace tintora {

namespace {

double Contrast(const QColor& a, const QColor& b)
{
    return ContrastOf(Rgb::FromColorRef(FromQColor(a)), Rgb::FromColorRef(FromQColor(b))).ratio;
}

} // namespace

QColor LegibleOn(const QColor& designed, const QColor& background, std::initializer_list<QColor> fallbacks)
{
    if (Contrast(designed, background) >= kLegibleContrast)
        return designed;
    for (const QColor& c : fallbacks)
        if (c.isValid() && Contrast(c, background) >= kLegibleContrast)
            return c;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return Contrast(black, background) >= Contrast(white, background) ? black : white;
}

QPalette DocumentPagePalette(const QTextDocument& doc, const QPalette& base)
{
    const QBrush set = doc.rootFrame()->frameFormat().background();
    const QColor page = set.style() == Qt::SolidPattern ? set.color() : QColor(Qt::white);
    const QColor link = LegibleOn(QColor(0, 0, 255), page, {base.color(QPalette::Link)});
    QPalette pal = base;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, page);
        pal.setColor(group, QPalette::Text, LegibleOn(Qt::black, page));
        pal.setColor(group, QPalette::Link, link);
        pal.setColor(group, QPalette::LinkVisited, link);
    }
    return pal;
}

} // namespace tintora
