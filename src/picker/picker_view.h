#pragma once

#include "core/color_types.h"
#include "picker/picker_layout.h"

#include <string>

namespace tintora {

// The six channel fields of the main window.
enum class ChannelField { Hue, Saturation, Brightness, Red, Green, Blue };

// What the picker needs of its window. The main window implements it with
// its widgets; tests implement it with plain members.
class PickerView
{
public:
    virtual ~PickerView() = default;

    // The selected option button.
    virtual PickerMode Mode() const = 0;
    virtual std::string FieldText(ChannelField field) const = 0;
    // Writing a field triggers nothing else.
    virtual void SetFieldText(ChannelField field, const std::string& text) = 0;
    // The back colour of the "New" swatch `lblSelColor`.
    virtual void SetSelColor(ColorRef color) = 0;
    // The modal hue message; returns when the user has closed it.
    virtual void ShowHueMessage() = 0;
    // Puts the keyboard focus back into the hue field.
    virtual void FocusHueField() = 0;
    // Makes the window visible (the hue strip's first drawing does it).
    virtual void ShowWindow() = 0;
    // The markers moved or were shown or hidden: the window repaints the
    // given rectangle (client pixels) with the markers drawn over it.
    virtual void MarkersChanged(int x, int y, int width, int height) = 0;
};

} // namespace tintora
