// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_conversions.h"
#include "core/view_update.h"
#include "picker/picker_layout.h"
#include "surface/surface.h"

#include <vector>

namespace tintora {

// Mouse buttons as the window reports them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// What the window gives every picker action: the selected mode and the
// texts of the six channel fields (the channel values live only there).
struct PickerInput {
    PickerMode mode = PickerMode::Hue;
    ChannelTexts fields{"0", "100", "100", "255", "0", "0"};
};

// The hue/saturation/brightness picker: renders the plane and strip of the
// current mode onto the surface, keeps the selection ring and the slider
// marker as state, and turns pointer input, keys and typed channel values
// into colour choices. A colour picked on the plane or the strip is always
// read back from the surface.
//
// Every action takes the window's mode and field texts and returns a
// ViewUpdate: the field texts to write, the "New" swatch, the colour to make
// current, the marker rectangles to repaint and whether to ask the hue
// question. The controller never calls back into the window.
//
// The ring and the marker are not drawn into the surface: the window draws
// them over it at paint time (MarkersVisible()), so reads never see them and
// no stale marker can be left behind.
class PickerController
{
public:
    explicit PickerController(Surface& surface);

    const PickerLayout& layout() const { return layout_; }

    // Whether the ring and the slider dashes are shown (false while a
    // palette grid covers the picker).
    bool MarkersVisible() const { return markersVisible_; }
    ViewUpdate SetMarkersVisible(bool visible);
    // The rows the dashes cover: the marker row, nearest(SliderY).
    int MarkerRow() const;
    // Draws the markers, when visible, over img, a part of the surface
    // whose top left is at (originX, originY).
    void DrawMarkers(QImage& img, int originX, int originY) const;
    bool SliderDragging() const { return sliderDragging_; }
    bool PlaneDragging() const { return planeDragging_; }

    // The start-up drawing: hue strip (which shows the window), marker at
    // the bottom, ring at the top right corner, the plane for pure red; the
    // pure red under the ring becomes current and fills the "New" swatch.
    ViewUpdate StartUp();

    // Renderers placed on the surface with their frames.
    void DrawHueStrip();
    void DrawSatBriPlane(int red, int green, int blue);
    void DrawHueSatPlane();
    void DrawHueBriPlane();
    void DrawSaturationStrip(int red, int green, int blue);
    void DrawBrightnessStrip(int red, int green, int blue);
    void DrawSelFrame();
    void DrawMainFrame();

    // Pointer events (client pixels). Press and drag act for the left
    // button only; a release of any button ends a drag.
    ViewUpdate Press(const PickerInput& in, int button, double x, double y);
    ViewUpdate Drag(const PickerInput& in, int buttons, double x, double y);
    ViewUpdate Release(const PickerInput& in);

    // Keyboard: the ring or the slider marker moves by whole pixels, clamped
    // to the plane or the strip, and the move picks as a press and release
    // at the new pixel would.
    ViewUpdate MoveRingBy(const PickerInput& in, int dx, int dy);
    ViewUpdate MoveSliderBy(const PickerInput& in, int dy);

    // The picker rebuilt for in.mode from the H, S and B fields. The current
    // colour, the "New" swatch and the R, G, B fields stay as they are: a
    // mode switch changes the view, never the colour the codes describe.
    ViewUpdate SwitchMode(const PickerInput& in);

    // A key released in a channel field: the hue, saturation or brightness
    // field moves the picker; R, G and B are settled by the window as
    // colours and change nothing here.
    ViewUpdate FieldEdited(const PickerInput& in, ChannelField field);
    // The focus leaving the hue field: on a failed check, the hue question
    // and the focus back in the field.
    ViewUpdate HueFieldLeft(const PickerInput& in);

    // A colour from outside the picker (a typed or pasted code, the
    // eyedropper) made current exactly: "New" shows it, the fields show its
    // hue, saturation, brightness and channels, and the picker is rebuilt for
    // in.mode with its markers at the positions those numbers give.
    ViewUpdate ShowColor(const PickerInput& in, const Rgb& rgb);

    bool InPlane(double x, double y) const;
    bool InSliderZone(double x, double y) const;

private:
    // One action's working state: the field texts as the action has left
    // them so far, and the update it builds.
    struct Action {
        explicit Action(const PickerInput& in) : mode(in.mode), texts(in.fields) {}
        PickerMode mode;
        ChannelTexts texts;
        ViewUpdate update;
        double Value(ChannelField f) const;
        void Write(ChannelField f, std::string text);
        void WriteNumber(ChannelField f, double value);
        void WriteRgb(const Rgb& rgb);
        // Makes a colour read off the surface current; returns its channels.
        Rgb MakeCurrent(ColorRef color);
    };

    ViewUpdate Finish(Action& a);
    ViewUpdate HueFieldEdited(const PickerInput& in);
    ViewUpdate SaturationFieldEdited(const PickerInput& in);
    ViewUpdate BrightnessFieldEdited(const PickerInput& in);
    void MoveSelection(int x, int y);
    void MoveSliderMarker(double y);
    void PickPlanePoint(Action& a, double x, double y);
    void PickSelectedColor(Action& a);
    // Picks on the strip; in hue mode the plane follows the new hue.
    void SlideTo(Action& a, double y);
    void ShowPlaneForHue(Action& a);
    void RebuildForMode(Action& a);
    bool HueCheckFails(const Action& a) const;
    void RingChanged(int x, int y);
    void DashesChanged(int row);

    Surface& surface_;
    PickerLayout layout_ = PickerLayout::Build();
    bool markersVisible_ = false;
    bool planeDragging_ = false;
    bool sliderDragging_ = false;
    std::vector<PixelRect> repaint_;
};

} // namespace tintora
