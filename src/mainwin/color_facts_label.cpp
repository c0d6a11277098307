// SPDX-License-Identifier: MIT
#include "mainwin/color_facts_label.h"

#include "core/color_contrast.h"
#include "core/css_color_names.h"
#include "mainwin/shaped_line.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

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

qreal LineEnd(const ColorFactsLabel::Line& line)
{
    return line.isEmpty() ? 0 : line.last().x + line.last().advance;
}

// Whether the words of `line` spell `text`.
bool Spells(const ColorFactsLabel::Line& line, QStringView text)
{
    qsizetype at = 0;
    for (const ColorFactsLabel::Word& w : line) {
        if (text.mid(at, w.text.size()) != w.text)
            return false;
        at += w.text.size();
    }
    return at == text.size();
}

// What a screen reader reads: the two lines as static text.
class FactsAccessible : public QAccessibleWidget
{
public:
    explicit FactsAccessible(ColorFactsLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<ColorFactsLabel*>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        if (t == QAccessible::Description && label->accessibleDescription().isEmpty())
            return label->details();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* FactsAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tintora::ColorFactsLabel") && object && object->isWidgetType())
        return new FactsAccessible(static_cast<ColorFactsLabel*>(object));
    return nullptr;
}

} // namespace

ColorFactsLabel::ColorFactsLabel(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(FactsAccessibleFactory);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("lblColorFacts"));
    takeFont();
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
}

QString ColorFactsLabel::details() const
{
    if (!shown_)
        return {};
    const ContrastVerdict v = ContrastOf(shown_->first, shown_->second);
    const NearestCssName name = NearestCssColorName(shown_->first);
    const QString cssName = QString::fromLatin1(name.name.data(), static_cast<qsizetype>(name.name.size()));
    return tr("Contrast of \"New\" on \"Old\": %1 (WCAG 2.x)\n"
              "Normal text: AA %2 (4.5:1), AAA %3 (7:1)\n"
              "Large text: AA %4 (3:1), AAA %5 (4.5:1)\n"
              "%6")
        .arg(Ratio(v.ratio), Verdict(v.aaNormal), Verdict(v.aaaNormal), Verdict(v.aaLarge),
             Verdict(v.aaaLarge),
             name.exact
                 ? tr("CSS name: %1").arg(cssName)
                 : tr("Nearest CSS name: %1 (CIELAB distance %2)").arg(cssName).arg(name.deltaE, 0, 'f', 1));
}

// The tooltip is written when it is asked for, not on every move of a drag.
bool ColorFactsLabel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip)
        setToolTip(details());
    return QWidget::event(e);
}

void ColorFactsLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    const QList<Line> old = std::exchange(lines_, split(text, lines_));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (old.size() != lines_.size()) {
        // The lines move up or down as a block.
        update();
        return;
    }
    // A word that keeps its text and its place keeps its pixels: usually only
    // the ratio changes, and the digits of most fonts are all as wide, so
    // nothing after it moves. The old and the new place of every other word
    // are repainted.
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Line& was = old[i];
        const Line& now = lines_[i];
        const auto reach = [&](const Word& w) {
            return QRectF(w.x + w.inkLeft - 1, lineTop(i), w.inkWidth + 2, lineHeight_).toAlignedRect();
        };
        for (qsizetype k = 0; k < std::max(was.size(), now.size()); ++k) {
            const bool kept =
                k < was.size() && k < now.size() && was[k].text == now[k].text && was[k].x == now[k].x;
            if (kept)
                continue;
            if (k < was.size())
                update(reach(was[k]));
            if (k < now.size())
                update(reach(now[k]));
        }
    }
}

QList<ColorFactsLabel::Line> ColorFactsLabel::split(const QString& text, const QList<Line>& before)
{
    QList<Line> lines;
    for (const QStringView lineText : QStringView(text).split(u'\n')) {
        // Usually one of the lines is as it was: its words are kept.
        if (lines.size() < before.size() && Spells(before[lines.size()], lineText)) {
            lines.append(before[lines.size()]);
            continue;
        }
        Line line;
        qreal x = 0;
        qsizetype start = 0;
        while (start < lineText.size()) {
            qsizetype end = lineText.indexOf(u' ', start);
            end = end < 0 ? lineText.size() : end;
            while (end < lineText.size() && lineText[end] == u' ')
                ++end;
            const QString word = lineText.mid(start, end - start).toString();
            const Shaped& shape = shaped(word);
            line.append(Word{word, x, shape.advance, shape.ink.left(), shape.ink.width()});
            x += shape.advance;
            start = end;
        }
        lines.append(line);
    }
    return lines;
}

const ColorFactsLabel::Shaped& ColorFactsLabel::shaped(const QString& word)
{
    if (auto it = shapes_.constFind(word); it != shapes_.constEnd())
        return *it;
    // Ratios and names come and go; the cache is emptied rather than left to grow.
    if (shapes_.size() >= 1024)
        shapes_.clear();
    // Shaped once: its glyphs are kept for every later paint, and give the
    // advance and the ink as well.
    ShapedLine line = ShapeLine(word, font());
    Shaped s;
    s.advance = line.width;
    s.glyphs = std::move(line.runs);
    for (const QGlyphRun& run : s.glyphs)
        s.ink |= run.boundingRect();
    return *shapes_.insert(word, s);
}

// As a label centres its lines: each line starts on a whole pixel below the
// one before, and the block of lines is centred in the widget's height.
qreal ColorFactsLabel::lineTop(qsizetype i) const
{
    const auto top = [this](qsizetype n) {
        qreal y = 0;
        for (qsizetype k = 1; k <= n; ++k)
            y = std::ceil(y + lineHeight_ + leading_);
        return y;
    };
    const qreal block = top(lines_.size() - 1) + lineHeight_;
    return (height() - block) / 2 + top(i);
}

void ColorFactsLabel::takeFont()
{
    const QFontMetricsF fm(font());
    lineHeight_ = fm.ascent() + fm.descent();
    leading_ = fm.leading();
    shapes_.clear();
}

QSize ColorFactsLabel::sizeHint() const
{
    qreal width = 0;
    for (const Line& line : lines_)
        width = std::max(width, LineEnd(line));
    const qreal block = lines_.isEmpty() ? 0 : lineTop(lines_.size() - 1) - lineTop(0) + lineHeight_;
    return QSizeF(width, block).toSize().expandedTo(QSize(1, 1));
}

void ColorFactsLabel::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    QPalette pal = palette();
    pal.setCurrentColorGroup(!isEnabled()       ? QPalette::Disabled
                             : isActiveWindow() ? QPalette::Active
                                                : QPalette::Inactive);
    p.setPen(pal.color(foregroundRole()));
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const qreal top = lineTop(i);
        for (const Word& word : lines_[i]) {
            const QRect reach =
                QRectF(word.x + word.inkLeft - 1, top, word.inkWidth + 2, lineHeight_).toAlignedRect();
            if (e->region().intersects(reach))
                for (const QGlyphRun& run : shaped(word.text).glyphs)
                    p.drawGlyphRun(QPointF(word.x, top), run);
        }
    }
}

void ColorFactsLabel::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        takeFont();
        lines_ = split(text_, {});
        updateGeometry();
        update();
    }
}

} // namespace tintora
