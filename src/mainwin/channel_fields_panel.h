// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "core/view_update.h"
#include "picker/picker_layout.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QLineEdit;
class QRadioButton;

namespace tintora {

class EntryFields;

// The channel fields (Frame2): the H, S and B options with their fields and
// the R, G and B fields. Like the codes panel it shows without emitting and
// reports what the user did:
//  - a key released in H, S or B (fieldEdited), leaving the hue field
//    (hueFieldLeft): the picker reads the field texts and answers;
//  - R, G or B settled (Enter, leaving the field, Keep): colorEntered, or a
//    refusal framed red with its reason in message();
//  - an option chosen: modeChosen.
class ChannelFieldsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ChannelFieldsPanel(QWidget* parent = nullptr);

    QLineEdit* field(ChannelField f) const { return fields_[static_cast<std::size_t>(f)]; }
    // What the fields show.
    ChannelTexts texts() const;
    // Shows the texts an update sets and clears their refusals; emits
    // nothing.
    void showTexts(const std::array<std::optional<std::string>, ChannelFieldCount>& texts);
    // Checks a mode's option; emits nothing.
    void showMode(PickerMode mode);
    // Settles what was typed into R, G or B as Enter would: false when it
    // was refused.
    bool settlePendingEdits();

signals:
    void modeChosen(tintora::PickerMode mode);
    void fieldEdited(tintora::ChannelField field);
    void hueFieldLeft();
    void colorEntered(tintora::Rgb color);
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reads what was typed into R, G or B: false when it was refused.
    bool read(QLineEdit* field);
    ChannelField fieldOf(const QObject* o) const;

    std::array<QLineEdit*, ChannelFieldCount> fields_{};
    std::array<QRadioButton*, 3> options_{}; // by PickerMode
    EntryFields* entries_ = nullptr;         // R, G and B
    // The field in which the last key went down: a key release only counts
    // where its press happened, so the key that closes a message box is not
    // taken as typing in the field beneath it.
    QLineEdit* keyDownIn_ = nullptr;
};

} // namespace tintora
