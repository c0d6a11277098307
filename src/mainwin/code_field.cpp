// SPDX-License-Identifier: MIT
#include "mainwin/code_field.h"

#include "mainwin/shaped_line.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tintora {

namespace {

// Every character the fields' numbers and codes use: "RGB(102, 204, 255)",
// "#66CCFF", "&HFFCC66&", decimal values and channel numbers.
constexpr char16_t kAlphabet[] = u"0123456789ABCDEF#&H(), RG";
constexpr int kAlphabetSize = static_cast<int>(std::size(kAlphabet)) - 1;

// Each character's place in the alphabet, -1 for the others: looked up for
// every character of every field painted.
constexpr std::array<signed char, 128> kSlots = [] {
    std::array<signed char, 128> table{};
    table.fill(-1);
    for (int i = 0; i < kAlphabetSize; ++i)
        table[kAlphabet[i]] = static_cast<signed char>(i);
    return table;
}();

int Slot(char16_t c)
{
    return c < kSlots.size() ? kSlots[c] : -1;
}

// Whether every character of a text has a glyph in the tables.
bool Drawable(const QString& t)
{
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return Slot(c.unicode()) >= 0; });
}

} // namespace

// One font's glyph for each character of the alphabet, and its advance
// before each other character (a kerned pair moves the second glyph) and at
// the end of the line; the baseline below the top of a line; and whether
// they may stand for shaping.
struct CodeGlyphs {
    static constexpr int kLineEnd = kAlphabetSize;
    QRawFont font;
    std::array<quint32, kAlphabetSize> glyph{};
    std::array<std::array<qreal, kAlphabetSize + 1>, kAlphabetSize> advance{};
    qreal baseline = 0;
    // How far the glyphs' pixels reach: above and below the baseline, and
    // out of a line's ends, with a pixel to spare for antialiasing.
    QRectF ink;
    qreal overhang = 0;
    bool usable = false;

    static std::shared_ptr<const CodeGlyphs> For(const QFont& font);
};

namespace {

// One line shaped as QLineEdit shapes it, or nothing when a character took
// a fallback font or characters were joined into one glyph.
std::optional<ShapedLine> ShapeOneRun(const QString& text, const QFont& font)
{
    ShapedLine line = ShapeLine(text, font);
    if (line.runs.size() != 1 || line.runs[0].glyphIndexes().size() != text.size())
        return std::nullopt;
    return line;
}

} // namespace

std::shared_ptr<const CodeGlyphs> CodeGlyphs::For(const QFont& font)
{
    static QHash<QString, std::shared_ptr<const CodeGlyphs>> byFont;
    // The fonts go with the application, not at the program's exit after it.
    static const bool dropped = [] {
        qAddPostRoutine([] { byFont.clear(); });
        return true;
    }();
    (void)dropped;
    const QString key = font.key();
    if (auto it = byFont.constFind(key); it != byFont.constEnd())
        return *it;
    auto g = std::make_shared<CodeGlyphs>();
    // Every pair of characters, shaped once in one line: each character's
    // glyph and its advance before each other one. Pairs are all a line's
    // shaping does with these characters when every occurrence of a pair
    // agrees and every character keeps one glyph.
    QString pairs;
    pairs.reserve(qsizetype{2} * kAlphabetSize * kAlphabetSize);
    for (int a = 0; a < kAlphabetSize; ++a)
        for (int b = 0; b < kAlphabetSize; ++b)
            pairs.append(QChar(kAlphabet[a])).append(QChar(kAlphabet[b]));
    const std::optional<ShapedLine> line = ShapeOneRun(pairs, font);
    bool usable = line.has_value();
    if (usable) {
        const QList<quint32> indexes = line->runs[0].glyphIndexes();
        const QList<QPointF> positions = line->runs[0].positions();
        g->font = line->runs[0].rawFont();
        g->baseline = positions[0].y();
        std::array<std::array<bool, kAlphabetSize + 1>, kAlphabetSize> seen{};
        for (qsizetype i = 0; usable && i < pairs.size(); ++i) {
            const int a = Slot(pairs[i].unicode());
            const int b = i + 1 < pairs.size() ? Slot(pairs[i + 1].unicode()) : kLineEnd;
            const qreal advance =
                (i + 1 < pairs.size() ? positions[i + 1].x() : line->width) - positions[i].x();
            if ((seen[a][b] && g->advance[a][b] != advance) || (g->glyph[a] && g->glyph[a] != indexes[i]) ||
                positions[i].y() != g->baseline)
                usable = false;
            seen[a][b] = true;
            g->glyph[a] = indexes[i];
            g->advance[a][b] = advance;
        }
        // And each character alone, for its advance at the end of a line.
        for (int a = 0; usable && a < kAlphabetSize; ++a) {
            const std::optional<ShapedLine> alone = ShapeOneRun(QString(QChar(kAlphabet[a])), font);
            usable = alone && alone->runs[0].glyphIndexes()[0] == g->glyph[a];
            if (usable)
                g->advance[a][kLineEnd] = alone->width;
        }
    }
    // QLineEdit centres a line by the taller of the font's height and the
    // text's ink; ink within the font's height leaves only the former.
    const QFontMetrics fm(font);
    const QString alphabet = QString::fromUtf16(kAlphabet, kAlphabetSize);
    g->usable = usable && fm.boundingRect(alphabet).height() <= fm.height();
    const QFontMetricsF fmf(font);
    g->ink = fmf.boundingRect(alphabet).adjusted(0, -1, 0, 1);
    for (const QChar c : alphabet)
        g->overhang = std::max({g->overhang, -fmf.leftBearing(c), -fmf.rightBearing(c)});
    g->overhang += 1;
    // Fonts are few: two sizes of one family in the window.
    if (byFont.size() > 32)
        byFont.clear();
    byFont.insert(key, g);
    return g;
}

CodeField::CodeField(QWidget* parent) : QLineEdit(parent)
{
    // All this starts once a painted field's text changes: not at start-up,
    // where nothing changes before the first frame and a first start goes on
    // to open the help, and the font without shaping would need an engine
    // and glyphs of its own before the first frame.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (painted_ && !changedWhileShown_) {
            changedWhileShown_ = true;
            skipShaping();
        }
    });
}

// Numbers and codes are Latin letters, digits and signs, which need no
// shaping: without it, setting a text only maps characters to glyphs (the
// kerning of a pair of hex letters, a fraction of a pixel, is left out).
void CodeField::skipShaping()
{
    QFont f = font();
    if (f.styleStrategy() & QFont::PreferNoShaping)
        return;
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
    setFont(f);
}

CodeField::~CodeField() = default;

bool CodeField::couldDrawItself(const QString& t) const
{
    return !qtPaints_ && !dragOver_ && !hasFocus() && !hasSelectedText() && echoMode() == QLineEdit::Normal &&
           inputMask().isEmpty() && !isClearButtonEnabled() && actions().isEmpty() &&
           layoutDirection() == Qt::LeftToRight && styleSheet().isEmpty() && qApp->styleSheet().isEmpty() &&
           Drawable(t);
}

bool CodeField::drawsItself() const
{
    return check_ == Check::Same && glyphs_ && glyphs_->usable && couldDrawItself(shownText());
}

void CodeField::showText(const QString& t, bool deferEdit)
{
    if (deferEdit && drawsItself() && Drawable(t)) {
        const QString shown = shownText();
        if (shown == t)
            return;
        const std::optional<QRect> changed = changedRect(shown, t);
        if (!changed) {
            showText(t, false);
            return;
        }
        pending_ = t;
        update(*changed);
        if (!syncTimer_.isActive())
            syncTimer_.start(250, this);
        return;
    }
    const bool wasPending = pending_.has_value();
    pending_.reset();
    if (text() != t)
        setText(t);
    else if (wasPending)
        update(); // the pixels show the text that was pending
}

void CodeField::syncText()
{
    syncTimer_.stop();
    if (!pending_)
        return;
    const QString t = *std::exchange(pending_, std::nullopt);
    setText(t);
}

void CodeField::paintEvent(QPaintEvent* e)
{
    painted_ = true;
    if (drawsItself() && paintItself(e->rect())) {
        ownPaint_ = true;
        return;
    }
    // QLineEdit paints its own text, so it must be the one shown.
    syncText();
    ownPaint_ = false;
    QLineEdit::paintEvent(e);
    if (check_ == Check::NotYet && changedWhileShown_ && couldDrawItself(text())) {
        if (!glyphs_)
            glyphs_ = CodeGlyphs::For(font());
        if (!glyphs_->usable) {
            check_ = Check::Differs;
            return;
        }
        // Not from inside a paint: the comparison paints the field twice.
        check_ = Check::Pending;
        QTimer::singleShot(0, this, &CodeField::compareWithQLineEdit);
    }
}

// Where QLineEdit puts a line that fits, has no focus and shows no cursor,
// selection or placeholder, with the shaping left out.
CodeField::Line CodeField::layOut(const QString& t) const
{
    // A drag lays out each new text once: to find what changed, then to
    // paint it, then as the old text of the next move.
    const Frame& f = frame();
    if (lastLine_ && lastLine_->first == t)
        return lastLine_->second;
    Line line;
    line.glyphs.resize(t.size());
    line.positions.resize(t.size());
    qreal x = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const int a = Slot(t[i].unicode());
        const int b = i + 1 < t.size() ? Slot(t[i + 1].unicode()) : CodeGlyphs::kLineEnd;
        line.glyphs[i] = glyphs_->glyph[a];
        line.positions[i] = QPointF(x, glyphs_->baseline);
        x += glyphs_->advance[a][b];
    }
    line.width = x;

    const int widthUsed = qRound(x) + 1;
    // A line longer than the field scrolls with the cursor: QLineEdit's own business.
    line.fits = widthUsed <= f.line.width();
    int hscroll = 0;
    if (f.alignment & Qt::AlignRight)
        hscroll = widthUsed - f.line.width() + 1;
    else if (f.alignment & Qt::AlignHCenter)
        hscroll = (widthUsed - f.line.width()) / 2;
    line.origin = f.line.topLeft() - QPoint(hscroll, 0);
    lastLine_.emplace(t, line);
    return line;
}

// Where QLineEdit puts its line, worked out again only when the field's
// size, font, style, frame, alignment or margins change.
const CodeField::Frame& CodeField::frame() const
{
    if (frame_.valid && frame_.asked == alignment() && frame_.margins == textMargins() &&
        frame_.framed == hasFrame())
        return frame_;
    lastLine_.reset();
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    // QLineEdit's margins around the line: one pixel above and below, two
    // at either end.
    constexpr int verticalMargin = 1;
    constexpr int horizontalMargin = 2;
    const int fmHeight = fontMetrics().height();
    const Qt::Alignment va = QStyle::visualAlignment(layoutDirection(), alignment());
    int vscroll = r.y() + (r.height() - fmHeight + 1) / 2;
    if (va & Qt::AlignBottom)
        vscroll = r.y() + r.height() - fmHeight - verticalMargin;
    else if (va & Qt::AlignTop)
        vscroll = r.y() + verticalMargin;
    frame_.contents = r;
    frame_.line = QRect(r.x() + horizontalMargin, vscroll, r.width() - 2 * horizontalMargin, fmHeight);
    frame_.alignment = va;
    frame_.asked = alignment();
    frame_.margins = textMargins();
    frame_.framed = hasFrame();
    frame_.valid = true;
    return frame_;
}

QRectF CodeField::reach(const Line& line, qsizetype from, qsizetype to) const
{
    const qreal left = line.origin.x() + line.positions[from].x();
    const qreal right = line.origin.x() + (to < line.positions.size() ? line.positions[to].x() : line.width);
    return {left - glyphs_->overhang, line.origin.y() + glyphs_->baseline + glyphs_->ink.top(),
            right - left + 2 * glyphs_->overhang, glyphs_->ink.height()};
}

std::optional<QRect> CodeField::changedRect(const QString& from, const QString& to) const
{
    const Line a = layOut(from);
    const Line b = layOut(to);
    if (!a.fits || !b.fits)
        return std::nullopt;
    // A glyph drawn at the same place in both is the same pixels: only the
    // run between the equal start and the equal end changes.
    const auto same = [&](qsizetype i, qsizetype j) {
        return from[i] == to[j] && a.origin + a.positions[i] == b.origin + b.positions[j];
    };
    const qsizetype shorter = std::min(from.size(), to.size());
    qsizetype start = 0;
    while (start < shorter && same(start, start))
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && same(from.size() - 1 - end, to.size() - 1 - end))
        ++end;
    QRectF changed;
    if (start < from.size() - end)
        changed |= reach(a, start, from.size() - end);
    if (start < to.size() - end)
        changed |= reach(b, start, to.size() - end);
    return changed.toAlignedRect() & rect();
}

bool CodeField::paintItself(const QRect& asked)
{
    const Line line = layOut(shownText());
    if (!line.fits)
        return false;
    // Only the glyphs that reach the rectangle asked for: the rest is clipped.
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(line.glyphs.size());
    positions.reserve(line.glyphs.size());
    for (qsizetype i = 0; i < line.glyphs.size(); ++i)
        if (reach(line, i, i + 1).intersects(asked)) {
            glyphs.append(line.glyphs[i]);
            positions.append(line.positions[i]);
        }

    QStyleOptionFrame panel;
    initStyleOption(&panel);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    if (glyphs.isEmpty())
        return true;
    // QLineEdit clips the text to the field's inside; a line whose pixels
    // all fall inside it needs no clip.
    const QRect contents = frame().contents;
    if (!QRectF(contents).contains(reach(line, 0, line.glyphs.size())))
        p.setClipRect(contents);
    QGlyphRun run;
    run.setRawFont(glyphs_->font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    p.setPen(palette().text().color());
    p.drawGlyphRun(line.origin, run);
    return true;
}

// QLineEdit keeps where it last drew the text, and maps a click or a drop to
// a place in the text from there: after a paint of this field's own it
// paints once more, unseen, before it is asked.
void CodeField::letQLineEditCatchUp()
{
    if (!ownPaint_)
        return;
    QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
    qtPaints_ = true;
    render(&scratch);
    qtPaints_ = false;
    ownPaint_ = false;
}

// A click, a drop, the focus or a context menu start an edit: QLineEdit
// must hold the text shown.
void CodeField::mousePressEvent(QMouseEvent* e)
{
    syncText();
    letQLineEditCatchUp();
    QLineEdit::mousePressEvent(e);
}

void CodeField::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == syncTimer_.timerId())
        syncText();
    else
        QLineEdit::timerEvent(e);
}

void CodeField::focusInEvent(QFocusEvent* e)
{
    syncText();
    QLineEdit::focusInEvent(e);
}

// Its own menu or one built by the window (from QLineEdit's standard menu).
bool CodeField::event(QEvent* e)
{
    if (e->type() == QEvent::ContextMenu)
        syncText();
    return QLineEdit::event(e);
}

void CodeField::compareWithQLineEdit()
{
    if (check_ != Check::Pending)
        return;
    syncText();
    if (!couldDrawItself(text())) {
        check_ = Check::NotYet;
        return;
    }
    // At the screen's scale, as the field is drawn there.
    const qreal dpr = devicePixelRatioF();
    QImage qt((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    qt.setDevicePixelRatio(dpr);
    qt.fill(Qt::transparent);
    QImage own = qt;
    qtPaints_ = true;
    render(&qt);
    qtPaints_ = false;
    check_ = Check::Same;
    render(&own);
    if (ownPaint_)
        check_ = qt == own ? Check::Same : Check::Differs;
    else
        check_ = Check::NotYet; // declined: a line too long for the field, tried again later
    letQLineEditCatchUp();
}

void CodeField::changeEvent(QEvent* e)
{
    syncText();
    frame_.valid = false;
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange && changedWhileShown_)
        skipShaping();
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange ||
        e->type() == QEvent::LayoutDirectionChange) {
        glyphs_.reset();
        check_ = Check::NotYet;
    }
}

void CodeField::resizeEvent(QResizeEvent* e)
{
    syncText();
    frame_.valid = false;
    QLineEdit::resizeEvent(e);
    check_ = Check::NotYet;
}

void CodeField::dragEnterEvent(QDragEnterEvent* e)
{
    syncText();
    letQLineEditCatchUp();
    dragOver_ = true;
    QLineEdit::dragEnterEvent(e);
}

void CodeField::dragLeaveEvent(QDragLeaveEvent* e)
{
    dragOver_ = false;
    QLineEdit::dragLeaveEvent(e);
}

void CodeField::dropEvent(QDropEvent* e)
{
    dragOver_ = false;
    QLineEdit::dropEvent(e);
}

} // namespace tintora
