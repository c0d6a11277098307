// SPDX-License-Identifier: MIT
#pragma once

#include <QBasicTimer>
#include <QLineEdit>

#include <memory>
#include <optional>
#include <utility>

namespace tintora {

struct CodeGlyphs;

// A line edit for the colour's numbers and codes. A drag rewrites up to nine
// of them on every pointer move, and a plain QLineEdit shapes its text twice
// for each change: once when it is set, and again when it is painted, only
// to measure its height. While it has no focus, no selection and nothing
// else of an edit on show, this field paints its text itself from glyphs
// looked up once per font, exactly where QLineEdit puts them.
//
// Two checks keep it exact. The glyphs are taken from one shaping of every
// pair of the characters codes use, and are used only when no pair kerns or
// joins (so each character's glyph and advance are the same wherever it
// stands). And before it paints by itself the first time (and after each
// change of font, style or size) the field draws its text both ways and
// compares the pixels; on any difference QLineEdit paints it from then on.
class CodeField : public QLineEdit
{
    Q_OBJECT

public:
    explicit CodeField(QWidget* parent = nullptr);
    ~CodeField() override;

    // Whether the next paint draws the text from the looked-up glyphs (once
    // its text has changed while shown, and the drawing was found exact).
    bool drawsItself() const;

    // Shows a text. With `deferEdit` (a drag under way), a field that draws
    // itself repaints only the characters that changed, and QLineEdit's own
    // text (its undo history, cursor, layout and accessibility events) waits
    // for syncText(), or a quarter of a second at most: a drag rewrites the
    // codes on every pointer move, and nobody edits them meanwhile.
    // Otherwise the text is set at once.
    void showText(const QString& text, bool deferEdit);
    // Brings QLineEdit's text up to what the field shows.
    void syncText();
    // What the field shows and holds: what the user typed, or the last text
    // shown.
    QString shownText() const { return pending_ ? *pending_ : text(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    enum class Check { NotYet, Pending, Same, Differs };

    // A line's glyphs and where they stand in the field.
    struct Line {
        QList<quint32> glyphs;
        QList<QPointF> positions; // from the origin
        QPointF origin;
        qreal width = 0;
        bool fits = false;
    };

    // Where QLineEdit puts its line in the field.
    struct Frame {
        QRect contents; // the field's inside, where QLineEdit clips its text
        QRect line;
        Qt::Alignment alignment; // as laid out (left to right)
        Qt::Alignment asked;     // as set
        QMargins margins;        // the text margins it was worked out for
        bool framed = true;
        bool valid = false;
    };

    void skipShaping();
    const Frame& frame() const;
    // Whether a text could be drawn from the glyphs, checks aside.
    bool couldDrawItself(const QString& t) const;
    Line layOut(const QString& t) const;
    // The pixels a glyph of the line may touch.
    QRectF reach(const Line& line, qsizetype from, qsizetype to) const;
    // The pixels that differ between two lines' drawings; nothing when
    // either line is too long for the field.
    std::optional<QRect> changedRect(const QString& from, const QString& to) const;
    // Paints the rectangle of the field asked for, unless its line is too long
    // for it.
    bool paintItself(const QRect& asked);
    void letQLineEditCatchUp();
    // Draws the text both ways and compares them.
    void compareWithQLineEdit();

    std::shared_ptr<const CodeGlyphs> glyphs_;
    std::optional<QString> pending_; // shown, not yet QLineEdit's text
    QBasicTimer syncTimer_;
    mutable Frame frame_;
    mutable std::optional<std::pair<QString, Line>> lastLine_; // laid out in frame_
    Check check_ = Check::NotYet;
    bool qtPaints_ = false; // set while the comparison asks QLineEdit to paint
    bool dragOver_ = false; // QLineEdit shows a drop cursor
    bool ownPaint_ = false; // the last paint was the field's own
    bool painted_ = false;
    bool changedWhileShown_ = false;
};

} // namespace tintora
