#pragma once

#include "core/current_color.h"
#include "picker/picker_layout.h"
#include "picker/picker_view.h"
#include "surface/surface.h"

namespace tintora {

// Mouse buttons as the window reports them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// The hue/saturation/brightness picker: renders the plane and strip of the
// current mode onto the surface, keeps the selection ring and the slider
// marker as state, and turns pointer input and typed channel values into
// colour choices. The picked colour is always read back from the surface.
//
// The ring and the marker are not drawn into the surface: the window draws
// them over it at paint time (MarkersVisible()), so reads never see them and
// no stale marker can be left behind.
class PickerController
{
public:
    PickerController(Surface& surface, CurrentColorModel& color, PickerView& view);

    PickerLayout& layout() { return layout_; }
    const PickerLayout& layout() const { return layout_; }

    // Whether the ring and the slider dashes are shown (false while a
    // palette grid covers the picker).
    bool MarkersVisible() const { return markersVisible_; }
    void SetMarkersVisible(bool visible);
    // The rows the dashes cover: the marker row, nearest(SliderY).
    int MarkerRow() const;
    bool SliderDragging() const { return sliderDragging_; }
    bool PlaneDragging() const { return planeDragging_; }

    // The start-up drawing: hue strip, marker at the bottom, ring at the top
    // right corner, the plane for pure red.
    void StartUp();

    // Renderers placed on the surface with their frames.
    void DrawHueStrip();
    void DrawSatBriPlane(int red, int green, int blue);
    void DrawHueSatPlane();
    void DrawHueBriPlane();
    void DrawSaturationStrip(int red, int green, int blue);
    void DrawBrightnessStrip(int red, int green, int blue);
    void DrawSelFrame();
    void DrawMainFrame();

    // Marker moves. Positions are clamped into the plane and the strip, so
    // no read lands off the rendered images.
    void MoveSelection(int x, int y);
    void MoveSliderMarker(double y);

    // Pointer events (client pixels). Press and move act for the left
    // button only; a release of any button ends a drag.
    void MouseDown(int button, double x, double y);
    void MouseMove(int buttons, double x, double y);
    void MouseUp();

    void PickPlanePoint(double x, double y);
    void PickSliderPoint(double y);
    void UpdateHueSwatch(int saturation, int brightness);
    void PickSelectedColor();

    // Mode switches: rebuild the picker for the mode from the field values.
    void optH_Click();
    void optS_Click();
    void optB_Click();
    // The handler of the selected mode (used when the grid gives way to the picker).
    void RunModeHandler();

    // Key release in the hue, saturation and brightness fields.
    void txtH_KeyUp();
    void txtS_KeyUp();
    void txtB_KeyUp();
    // Focus leaving the hue field: the check; on failure the message and
    // the focus back in the field.
    void txtH_LostFocus();

    bool InPlane(double x, double y) const;
    bool InSliderZone(double x, double y) const;

private:
    double FieldValue(ChannelField f) const;
    void SetFieldNumber(ChannelField f, double value);
    void WriteRgb(const Rgb& rgb);
    bool HueCheckFails() const;
    void RingChanged(int x, int y);
    void DashesChanged(int row);

    Surface& surface_;
    CurrentColorModel& color_;
    PickerView& view_;
    PickerLayout layout_ = PickerLayout::Build();
    bool markersVisible_ = false;
    bool planeDragging_ = false;
    bool sliderDragging_ = false;
};

} // namespace tintora
