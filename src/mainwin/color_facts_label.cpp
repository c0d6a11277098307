// SPDX-License-Identifier: MIT
#include "mainwin/color_facts_label.h"

#include "core/color_contrast.h"
#include "core/css_color_names.h"

namespace tintora {

namespace {

QString Ratio(double ratio)
{
    QString text = QString::number(ContrastRatioForDisplay(ratio), 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text + QStringLiteral(":1");
}

QString Passed(bool normal, bool large)
{
    if (normal && large)
        return ColorFactsLabel::tr("normal, large");
    if (large)
        return ColorFactsLabel::tr("large");
    return ColorFactsLabel::tr("none");
}

QString Verdict(bool pass)
{
    return pass ? ColorFactsLabel::tr("pass") : ColorFactsLabel::tr("fail");
}

} // namespace

ColorFactsLabel::ColorFactsLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblColorFacts"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColors(Rgb{}, Rgb{});
}

void ColorFactsLabel::setColors(Rgb newColor, Rgb oldColor)
{
    if (shown_ == std::pair(newColor, oldColor))
        return;
    shown_ = std::pair(newColor, oldColor);
    const ContrastVerdict v = ContrastOf(newColor, oldColor);
    const NearestCssName name = NearestCssColorName(newColor);
    const QString cssName = QString::fromLatin1(name.name.data(), static_cast<qsizetype>(name.name.size()));
    setText(tr("Contrast %1 - AA: %2 - AAA: %3\n%4")
                .arg(Ratio(v.ratio), Passed(v.aaNormal, v.aaLarge), Passed(v.aaaNormal, v.aaaLarge),
                     name.exact ? tr("Name: %1 (exact)").arg(cssName) : tr("Nearest name: %1").arg(cssName)));
    setToolTip(tr("Contrast of \"New\" on \"Old\": %1 (WCAG 2.x)\n"
                  "Normal text: AA %2 (4.5:1), AAA %3 (7:1)\n"
                  "Large text: AA %4 (3:1), AAA %5 (4.5:1)\n"
                  "%6")
                   .arg(Ratio(v.ratio), Verdict(v.aaNormal), Verdict(v.aaaNormal), Verdict(v.aaLarge),
                        Verdict(v.aaaLarge),
                        name.exact ? tr("CSS name: %1").arg(cssName)
                                   : tr("Nearest CSS name: %1 (CIELAB distance %2)")
                                         .arg(cssName)
                                         .arg(name.deltaE, 0, 'f', 1)));
}

} // namespace tintora
