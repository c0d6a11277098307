// SPDX-License-Identifier: MIT
#include "mainwin/color_facts_label.h"

#include "core/color_contrast.h"
#include "core/css_color_names.h"

#include <QEvent>
#include <QLabel>

namespace tintora {

namespace {

QString Ratio(double ratio)
{
    return QString::fromStdString(ContrastRatioText(ratio));
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

quint32 Key(Rgb rgb)
{
    return static_cast<quint32>(rgb.red) << 16 | static_cast<quint32>(rgb.green) << 8 |
           static_cast<quint32>(rgb.blue);
}

} // namespace

ColorFactsLabel::ColorFactsLabel(QWidget* parent)
    : QWidget(parent), contrast_(new QLabel(this)), name_(new QLabel(this))
{
    setObjectName(QStringLiteral("lblColorFacts"));
    contrast_->setObjectName(QStringLiteral("lblContrast"));
    name_->setObjectName(QStringLiteral("lblColorName"));
    for (QLabel* line : {contrast_, name_}) {
        line->setTextFormat(Qt::PlainText);
        // Opaque: a line's change repaints that line alone.
        line->setAutoFillBackground(true);
    }
    setColors(Rgb{}, Rgb{});
}

QString ColorFactsLabel::text() const
{
    return contrast_->text() + QLatin1Char('\n') + name_->text();
}

void ColorFactsLabel::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int half = height() / 2;
    contrast_->setGeometry(0, 0, width(), half);
    name_->setGeometry(0, half, width(), height() - half);
}

const ColorFactsLabel::Name& ColorFactsLabel::nameOf(Rgb rgb) const
{
    if (auto it = names_.constFind(Key(rgb)); it != names_.constEnd())
        return *it;
    // A bound keeps a long session from piling names up.
    if (names_.size() >= 4096)
        names_.clear();
    const NearestCssName n = NearestCssColorName(rgb);
    return *names_.insert(
        Key(rgb),
        Name{QString::fromLatin1(n.name.data(), static_cast<qsizetype>(n.name.size())), n.exact, n.deltaE});
}

void ColorFactsLabel::setColors(Rgb newColor, Rgb oldColor)
{
    if (shown_ == std::pair(newColor, oldColor))
        return;
    shown_ = std::pair(newColor, oldColor);
    const ContrastVerdict v = ContrastOf(newColor, oldColor);
    const Name& name = nameOf(newColor);
    const QString contrast =
        tr("Contrast %1 - AA: %2 - AAA: %3")
            .arg(Ratio(v.ratio), Passed(v.aaNormal, v.aaLarge), Passed(v.aaaNormal, v.aaaLarge));
    const QString named =
        name.exact ? tr("Name: %1 (exact)").arg(name.text) : tr("Nearest name: %1").arg(name.text);
    if (contrast != contrast_->text())
        contrast_->setText(contrast);
    if (named != name_->text())
        name_->setText(named);
    // A screen reader reads the details with the lines; the tooltip shows them.
    setAccessibleDescription(tr("Contrast of \"New\" on \"Old\": %1 (WCAG 2.x)\n"
                                "Normal text: AA %2 (4.5:1), AAA %3 (7:1)\n"
                                "Large text: AA %4 (3:1), AAA %5 (4.5:1)\n"
                                "%6")
                                 .arg(Ratio(v.ratio), Verdict(v.aaNormal), Verdict(v.aaaNormal),
                                      Verdict(v.aaLarge), Verdict(v.aaaLarge),
                                      name.exact ? tr("CSS name: %1").arg(name.text)
                                                 : tr("Nearest CSS name: %1 (CIELAB distance %2)")
                                                       .arg(name.text)
                                                       .arg(name.deltaE, 0, 'f', 1)));
}

QString ColorFactsLabel::details() const
{
    // Worked out with the lines, once per change of colour.
    return accessibleDescription();
}

// The tooltip is written when it is asked for.
bool ColorFactsLabel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip)
        setToolTip(details());
    return QWidget::event(e);
}

} // namespace tintora
