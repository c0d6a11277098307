// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include <memory>

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

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    enum class Check { NotYet, Pending, Same, Differs };

    void skipShaping();
    // Whether the text could be drawn from the glyphs, checks aside.
    bool couldDrawItself() const;
    // Paints the field unless its line is too long for it.
    bool paintItself();
    void letQLineEditCatchUp();
    // Draws the text both ways and compares them.
    void compareWithQLineEdit();

    std::shared_ptr<const CodeGlyphs> glyphs_;
    Check check_ = Check::NotYet;
    bool qtPaints_ = false; // set while the comparison asks QLineEdit to paint
    bool dragOver_ = false; // QLineEdit shows a drop cursor
    bool ownPaint_ = false; // the last paint was the field's own
    bool painted_ = false;
    bool changedWhileShown_ = false;
};

} // namespace tintora
