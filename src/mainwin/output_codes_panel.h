// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_outputs.h"
#include "core/color_types.h"
#include "mainwin/color_entry.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tintora {

class CopyAsMenu;
class EntryFields;
class SettingsStore;

// The "Color Outputs" frame (Frame4): the codes of the current colour, the
// four Copy buttons and "Copy as". It keeps the codes apart from the window
// the way a colour dialog keeps its colour shower apart:
//  - showOutputs() shows a colour's codes and emits nothing;
//  - colorEntered is the one signal for a colour the user typed or pasted
//    into a code field and settled (Enter, leaving the field, a Copy);
//  - copyText() is the one function through which every clipboard write of
//    the panel passes.
// A Copy, Ctrl+C without a selection and "Copy as" first settle the field's
// pending edit as Enter would; text that is no colour is framed red, its
// reason goes out through message(), and nothing is copied. The hidden
// codes (0, 1, 6, 7) are kept here too, never shown.
class OutputCodesPanel : public QGroupBox
{
    Q_OBJECT
public:
    // A code field, how it reads digits, and its Copy button.
    struct CodeRow;

    explicit OutputCodesPanel(QWidget* parent = nullptr);

    // The templates of "Copy as" live in the settings: the menu exists
    // from then on.
    void setSettings(SettingsStore& settings);

    // Shows every code of a colour (channels of its resolved value in rgb);
    // emits nothing. Only fields whose text changes are touched.
    void showOutputs(const ColorOutputs& outputs, Rgb rgb);

    // Settles a pending edit in any code field as Enter would: false when
    // one was refused.
    bool settlePendingEdits();

    // Copy button 0..3 (cmdCopy0 .. cmdCopy3); with Shift it opens "Copy as".
    void copyOutput(int button);
    // Opens "Copy as" for the code in field `output` at globalPos.
    void showCopyAsMenu(int output, const QPoint& globalPos);
    // The one clipboard write of the panel and its menu.
    void copyText(const QString& text);
    // Ctrl+C without a selection in a shown code field: settles the field
    // and copies its whole code. False for any other field.
    bool copyWholeCode(QLineEdit* field);

    // Code field 0..7 (txtColor0 .. txtColor7).
    QLineEdit* field(int output) const { return fields_[static_cast<std::size_t>(output)]; }

signals:
    void colorEntered(tintora::Rgb color);
    // A refusal's reason or a note on how text was read; empty to clear.
    void message(const QString& text);
    void copied(const QString& text);

private:
    const CodeRow* rowOf(const QObject* o) const;
    // Reads a code field's text as a colour: false when it was refused.
    bool read(QLineEdit* field);

    std::array<QLineEdit*, OutputCount> fields_{};
    std::array<QPushButton*, 4> copyButtons_{};
    std::array<QLabel*, 5> captions_{};
    CopyAsMenu* copyAsMenu_ = nullptr;
    Rgb shown_;
    EntryFields* entries_ = nullptr; // the four shown codes
};

} // namespace tintora
