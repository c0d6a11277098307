// SPDX-License-Identifier: MIT
#include "picker/picker_controller.h"

#include "core/numeric.h"
#include "picker/renderers.h"

#include <algorithm>
#include <cmath>

namespace tintora {

namespace {

constexpr int RingRadius = 5;

// A position rounded to a whole pixel and clamped into lo..hi (NaN gives lo).
int PixelIn(double v, int lo, int hi)
{
    const double r = RoundHalfEven(v);
    if (!(r >= lo))
        return lo;
    if (r > hi)
        return hi;
    return static_cast<int>(r);
}

} // namespace

// ---- one action's working state ---------------------------------------------

double PickerController::Action::Value(ChannelField f) const
{
    return ParseLeadingNumber(texts[static_cast<std::size_t>(f)]);
}

void PickerController::Action::Write(ChannelField f, std::string text)
{
    texts[static_cast<std::size_t>(f)] = text;
    update.setField(f, std::move(text));
}

void PickerController::Action::WriteNumber(ChannelField f, double value)
{
    Write(f, DecimalText(static_cast<std::int64_t>(value)));
}

void PickerController::Action::WriteRgb(const Rgb& rgb)
{
    Write(ChannelField::Red, DecimalText(rgb.red));
    Write(ChannelField::Green, DecimalText(rgb.green));
    Write(ChannelField::Blue, DecimalText(rgb.blue));
}

Rgb PickerController::Action::MakeCurrent(ColorRef color)
{
    // Colours read off the surface are plain values or -1 (off the images),
    // never system-colour constants, so the plain split is the whole story.
    update.current = color;
    return SplitColor(color);
}

ViewUpdate PickerController::Finish(Action& a)
{
    a.update.repaint = std::move(repaint_);
    repaint_.clear();
    return std::move(a.update);
}

// ---- markers -------------------------------------------------------------------

PickerController::PickerController(Surface& surface) : surface_(surface)
{
}

int PickerController::MarkerRow() const
{
    return static_cast<int>(RoundHalfEven(layout_.SliderY));
}

ViewUpdate PickerController::SetMarkersVisible(bool visible)
{
    Action a{PickerInput{}};
    if (markersVisible_ != visible) {
        markersVisible_ = visible;
        RingChanged(layout_.SelX, layout_.SelY);
        DashesChanged(MarkerRow());
    }
    return Finish(a);
}

void PickerController::RingChanged(int x, int y)
{
    repaint_.push_back({x - RingRadius, y - RingRadius, 2 * RingRadius + 1, 2 * RingRadius + 1});
}

void PickerController::DashesChanged(int row)
{
    // Both dashes and the strip between them: x 272..297, rows row-1..row+1.
    repaint_.push_back(
        {layout_.SliderLeft - 5, row - 1, (layout_.SliderRight + 5) - (layout_.SliderLeft - 5) + 1, 3});
}

void PickerController::MoveSelection(int x, int y)
{
    const int oldX = layout_.SelX;
    const int oldY = layout_.SelY;
    layout_.SelX = std::clamp(x, layout_.PlaneLeft, layout_.PlaneRight);
    layout_.SelY = std::clamp(y, layout_.PlaneTop, layout_.PlaneBottom);
    if (markersVisible_ && (oldX != layout_.SelX || oldY != layout_.SelY)) {
        RingChanged(oldX, oldY);
        RingChanged(layout_.SelX, layout_.SelY);
    }
}

void PickerController::MoveSliderMarker(double y)
{
    const int oldRow = MarkerRow();
    if (!(y >= layout_.SliderTop)) // also NaN
        y = layout_.SliderTop;
    if (y > layout_.SliderBottom)
        y = layout_.SliderBottom;
    layout_.SliderY = static_cast<float>(y);
    if (markersVisible_ && oldRow != MarkerRow()) {
        DashesChanged(oldRow);
        DashesChanged(MarkerRow());
    }
}

// ---- drawing -----------------------------------------------------------------

ViewUpdate PickerController::StartUp()
{
    Action a{PickerInput{}};
    layout_ = PickerLayout::Build();
    DrawHueStrip();
    a.update.showWindow = true;
    layout_.SelX = layout_.PlaneRight;
    layout_.SelY = layout_.PlaneTop;
    layout_.SliderY = static_cast<float>(layout_.SliderBottom);
    markersVisible_ = false;
    SetMarkersVisible(true);
    DrawSatBriPlane(255, 0, 0);
    // The pure red under the ring is the colour the window opens with: the
    // codes, the "New" swatch and the fields' "255", "0", "0" all show it.
    const ColorRef red = surface_.Point(layout_.SelX, layout_.SelY);
    a.MakeCurrent(red);
    a.update.swatch = red;
    return Finish(a);
}

// The renderers write straight into the surface's pixels, in window order
// (the strip's top row first, the hue planes mirrored), with no bitmap and
// no blit in between.
void PickerController::DrawHueStrip()
{
    RenderHueStrip(surface_.Pixels(layout_.SliderLeft, layout_.SliderTop, 15, 256));
    DrawMainFrame();
}

void PickerController::DrawSatBriPlane(int red, int green, int blue)
{
    RenderSatBriPlane(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255),
                      surface_.Pixels(layout_.PlaneLeft, layout_.PlaneTop, 256, 256));
    DrawSelFrame();
}

namespace {

// One line per row, from the strip's left edge to its right; the pen ends
// where the last line left it.
void DrawStripLines(Surface& s, const PickerLayout& l, const std::array<ColorRef, 256>& rows)
{
    s.FillRows(l.SliderLeft, l.SliderTop, l.SliderRight, rows);
    s.MoveToEx(l.SliderRight, l.SliderTop + 255);
}

} // namespace

void PickerController::DrawHueSatPlane()
{
    RenderHueSatPlane(surface_.Pixels(layout_.PlaneLeft, layout_.PlaneTop, 256, 256));
    DrawSelFrame();
}

void PickerController::DrawHueBriPlane()
{
    RenderHueBriPlane(surface_.Pixels(layout_.PlaneLeft, layout_.PlaneTop, 256, 256));
    DrawSelFrame();
}

void PickerController::DrawSaturationStrip(int red, int green, int blue)
{
    DrawStripLines(
        surface_, layout_,
        SaturationStripColors(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
    DrawMainFrame();
}

void PickerController::DrawBrightnessStrip(int red, int green, int blue)
{
    DrawStripLines(
        surface_, layout_,
        BrightnessStripColors(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
    DrawMainFrame();
}

void PickerController::DrawSelFrame()
{
    surface_.DrawEdge(layout_.PlaneLeft - 1, layout_.PlaneTop - 1, layout_.PlaneRight + 3,
                      layout_.PlaneBottom + 3, EdgeKind::SunkenInner);
    surface_.Refresh();
}

void PickerController::DrawMainFrame()
{
    surface_.DrawEdge(layout_.SliderLeft - 1, layout_.SliderTop - 1, layout_.SliderRight + 1,
                      layout_.SliderBottom + 3, EdgeKind::SunkenInner);
    surface_.Refresh();
}

// ---- pointer -------------------------------------------------------------------

bool PickerController::InPlane(double x, double y) const
{
    return layout_.PlaneLeft <= x && x <= layout_.PlaneRight && layout_.PlaneTop <= y &&
           y <= layout_.PlaneBottom;
}

void PickerController::DrawMarkers(QImage& img, int originX, int originY) const
{
    if (!markersVisible_)
        return;
    // The ring and the dashes invert what lies beneath them.
    const PickerLayout& l = layout_;
    Surface::InvertCircle(img, l.SelX - originX, l.SelY - originY, 5);
    const int row = MarkerRow() - originY;
    Surface::InvertHLine(img, l.SliderRight + 2 - originX, l.SliderRight + 5 - originX, row, 3);
    Surface::InvertHLine(img, l.SliderLeft - 5 - originX, l.SliderLeft - 2 - originX, row, 3);
}

bool PickerController::InSliderZone(double x, double y) const
{
    // Reaches 10 pixels right of the strip, over the right-hand dash.
    return layout_.SliderLeft <= x && x < layout_.SliderRight + 11 && layout_.SliderTop - 2 <= y &&
           y < layout_.SliderBottom + 3;
}

ViewUpdate PickerController::Press(const PickerInput& in, int button, double x, double y)
{
    Action a(in);
    if (button != LeftButton)
        return Finish(a);
    if (InPlane(x, y)) {
        planeDragging_ = true;
        PickPlanePoint(a, x, y);
    }
    if (InSliderZone(x, y)) {
        sliderDragging_ = true;
        SlideTo(a, std::clamp(y, static_cast<double>(layout_.SliderTop),
                              static_cast<double>(layout_.SliderBottom)));
    }
    return Finish(a);
}

ViewUpdate PickerController::Drag(const PickerInput& in, int buttons, double x, double y)
{
    Action a(in);
    if (buttons != LeftButton)
        return Finish(a);
    if (planeDragging_) {
        PickPlanePoint(
            a, std::clamp(x, static_cast<double>(layout_.PlaneLeft), static_cast<double>(layout_.PlaneRight)),
            std::clamp(y, static_cast<double>(layout_.PlaneTop), static_cast<double>(layout_.PlaneBottom)));
    }
    if (sliderDragging_)
        SlideTo(a, std::clamp(y, static_cast<double>(layout_.SliderTop),
                              static_cast<double>(layout_.SliderBottom)));
    return Finish(a);
}

ViewUpdate PickerController::Release(const PickerInput& in)
{
    // Every press and move has already picked: a release only ends the drag.
    Action a(in);
    planeDragging_ = false;
    sliderDragging_ = false;
    return Finish(a);
}

void PickerController::ShowPlaneForHue(Action& a)
{
    // The plane is rendered for the hue under the marker and the colour
    // under the ring is taken, so the plane, the fields and "New" always
    // show one colour.
    const Rgb hue = SplitColor(surface_.Point(layout_.SliderLeft + 3, MarkerRow()));
    DrawSatBriPlane(hue.red, hue.green, hue.blue);
    PickSelectedColor(a);
}

ViewUpdate PickerController::MoveRingBy(const PickerInput& in, int dx, int dy)
{
    Action a(in);
    PickPlanePoint(a, std::clamp(layout_.SelX + dx, layout_.PlaneLeft, layout_.PlaneRight),
                   std::clamp(layout_.SelY + dy, layout_.PlaneTop, layout_.PlaneBottom));
    return Finish(a);
}

ViewUpdate PickerController::MoveSliderBy(const PickerInput& in, int dy)
{
    Action a(in);
    const int row = std::clamp(MarkerRow() + dy, layout_.SliderTop, layout_.SliderBottom);
    SlideTo(a, row);
    return Finish(a);
}

void PickerController::PickPlanePoint(Action& a, double x, double y)
{
    // Positions come from pointer events or are clamped to the plane, so the
    // half-even rounding always lands on a plane pixel.
    MoveSelection(PixelIn(x, layout_.PlaneLeft, layout_.PlaneRight),
                  PixelIn(y, layout_.PlaneTop, layout_.PlaneBottom));
    ColorRef c = surface_.Point(x, y);
    Rgb rgb = a.MakeCurrent(c);

    const int dx = layout_.SelX - layout_.PlaneLeft;
    const int up = 255 - (layout_.SelY - layout_.PlaneTop);
    switch (a.mode) {
    case PickerMode::Saturation:
        DrawSaturationStrip(rgb.red, rgb.green, rgb.blue);
        a.WriteNumber(ChannelField::Brightness, std::floor(static_cast<double>(up * 100) / 255.0));
        a.WriteNumber(ChannelField::Hue, std::floor(static_cast<double>(dx * 360) / 255.0));
        break;
    case PickerMode::Brightness:
        DrawBrightnessStrip(rgb.red, rgb.green, rgb.blue);
        a.WriteNumber(ChannelField::Saturation,
                      std::floor(static_cast<double>((layout_.PlaneBottom - layout_.SelY) * 100) / 255.0));
        a.WriteNumber(ChannelField::Hue, std::floor(static_cast<double>(dx * 360) / 255.0));
        break;
    case PickerMode::Hue:
        a.WriteNumber(ChannelField::Saturation, std::floor(static_cast<double>(dx * 100) / 255.0));
        a.WriteNumber(ChannelField::Brightness, std::floor(static_cast<double>(up * 100) / 255.0));
        break;
    }
    if (a.mode != PickerMode::Hue) {
        // The colour is the strip's pixel at the marker, freshly drawn.
        c = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), static_cast<double>(layout_.SliderY));
        rgb = a.MakeCurrent(c);
    }
    a.WriteRgb(rgb);
    a.update.swatch = c;
}

void PickerController::SlideTo(Action& a, double y)
{
    MoveSliderMarker(y);
    const float up = (255.0f - static_cast<float>(y)) + static_cast<float>(layout_.PlaneTop);
    switch (a.mode) {
    case PickerMode::Hue:
        a.WriteNumber(ChannelField::Hue, std::floor(static_cast<double>(up) * 360.0 / 255.0));
        ShowPlaneForHue(a);
        return;
    case PickerMode::Saturation:
        a.WriteNumber(ChannelField::Saturation, std::floor(static_cast<double>(up) * 100.0 / 255.0));
        break;
    case PickerMode::Brightness:
        a.WriteNumber(ChannelField::Brightness, std::floor(static_cast<double>(up) * 100.0 / 255.0));
        break;
    }
    const ColorRef c = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), y);
    a.WriteRgb(a.MakeCurrent(c));
    a.update.swatch = c;
}

void PickerController::PickSelectedColor(Action& a)
{
    const ColorRef c = surface_.Point(layout_.SelX, layout_.SelY);
    a.update.swatch = c;
    a.WriteRgb(a.MakeCurrent(c));
}

// ---- mode switches -------------------------------------------------------------

ViewUpdate PickerController::SwitchMode(const PickerInput& in)
{
    Action a(in);
    RebuildForMode(a);
    return Finish(a);
}

void PickerController::RebuildForMode(Action& a)
{
    const double H = a.Value(ChannelField::Hue);
    const double S = a.Value(ChannelField::Saturation);
    const double B = a.Value(ChannelField::Brightness);
    switch (a.mode) {
    case PickerMode::Hue: {
        DrawHueStrip();
        MoveSliderMarker(std::floor(layout_.SliderBottom - H * 255.0 / 360.0));
        const Rgb hue = SplitColor(surface_.Point(static_cast<double>(layout_.SliderLeft + 3),
                                                  static_cast<double>(layout_.SliderY)));
        DrawSatBriPlane(hue.red, hue.green, hue.blue);
        MoveSelection(SaturatingInt32Nearest(S * 255.0 / 100.0 + layout_.PlaneLeft),
                      SaturatingInt32Nearest(layout_.PlaneBottom - B * 255.0 / 100.0));
        break;
    }
    case PickerMode::Saturation: {
        DrawHueBriPlane();
        MoveSelection(SaturatingInt32Nearest(H * 255.0 / 360.0 + layout_.PlaneLeft),
                      SaturatingInt32Nearest(layout_.PlaneBottom - B * 255.0 / 100.0));
        const Rgb at = SplitColor(surface_.Point(layout_.SelX, layout_.SelY));
        DrawSaturationStrip(at.red, at.green, at.blue);
        break;
    }
    case PickerMode::Brightness: {
        DrawHueSatPlane();
        MoveSelection(SaturatingInt32Nearest(H * 255.0 / 360.0 + layout_.PlaneLeft),
                      SaturatingInt32Nearest(layout_.PlaneBottom - S * 255.0 / 100.0));
        const Rgb at = SplitColor(surface_.Point(layout_.SelX, layout_.SelY));
        DrawBrightnessStrip(at.red, at.green, at.blue);
        break;
    }
    }
    surface_.Refresh();
}

// ---- typed channels --------------------------------------------------------------

bool PickerController::HueCheckFails(const Action& a) const
{
    const double v = a.Value(ChannelField::Hue);
    return !(v >= 0.0 && v <= 360.0) || v != std::floor(v);
}

ViewUpdate PickerController::FieldEdited(const PickerInput& in, ChannelField field)
{
    switch (field) {
    case ChannelField::Hue:
        return HueFieldEdited(in);
    case ChannelField::Saturation:
        return SaturationFieldEdited(in);
    case ChannelField::Brightness:
        return BrightnessFieldEdited(in);
    default:
        return {};
    }
}

ViewUpdate PickerController::HueFieldEdited(const PickerInput& in)
{
    Action a(in);
    a.update.askHueQuestion = HueCheckFails(a);
    if (a.Value(ChannelField::Hue) < 0.0)
        a.Write(ChannelField::Hue, "0");
    if (a.mode != PickerMode::Hue || sliderDragging_)
        return Finish(a);
    MoveSliderMarker(layout_.SliderBottom - a.Value(ChannelField::Hue) * 255.0 / 360.0);
    const Rgb hue = SplitColor(
        surface_.Point(static_cast<double>(layout_.SliderLeft + 5), static_cast<double>(layout_.SliderY)));
    DrawSatBriPlane(hue.red, hue.green, hue.blue);
    PickSelectedColor(a);
    return Finish(a);
}

ViewUpdate PickerController::HueFieldLeft(const PickerInput& in)
{
    Action a(in);
    if (HueCheckFails(a)) {
        a.update.askHueQuestion = true;
        a.update.focusHueField = true;
    }
    return Finish(a);
}

ViewUpdate PickerController::SaturationFieldEdited(const PickerInput& in)
{
    Action a(in);
    if (a.mode == PickerMode::Hue) {
        MoveSelection(
            SaturatingInt32Nearest(layout_.PlaneLeft + a.Value(ChannelField::Saturation) * 255.0 / 100.0),
            layout_.SelY);
        PickSelectedColor(a);
    }
    return Finish(a);
}

ViewUpdate PickerController::BrightnessFieldEdited(const PickerInput& in)
{
    Action a(in);
    if (a.mode == PickerMode::Hue) {
        MoveSelection(
            layout_.SelX,
            SaturatingInt32Nearest(layout_.PlaneBottom - a.Value(ChannelField::Brightness) * 255.0 / 100.0));
        PickSelectedColor(a);
    }
    return Finish(a);
}

// ---- colours from outside ----------------------------------------------------------

ViewUpdate PickerController::ShowColor(const PickerInput& in, const Rgb& rgb)
{
    Action a(in);
    const Hsb hsb = HsbFromRgb(rgb);
    a.WriteNumber(ChannelField::Hue, hsb.hue);
    a.WriteNumber(ChannelField::Saturation, hsb.saturation);
    a.WriteNumber(ChannelField::Brightness, hsb.brightness);
    a.WriteRgb(rgb);
    if (markersVisible_) {
        RebuildForMode(a);
        // A mode switch leaves the saturation and brightness sliders where
        // they were; a new colour puts them at its value too.
        if (a.mode == PickerMode::Saturation)
            MoveSliderMarker(layout_.SliderBottom - hsb.saturation * 255.0 / 100.0);
        if (a.mode == PickerMode::Brightness)
            MoveSliderMarker(layout_.SliderBottom - hsb.brightness * 255.0 / 100.0);
    }
    // The colour itself, not a pixel near it: the plane may hold no pixel
    // of exactly this value.
    a.update.current = rgb.ToColorRef();
    a.update.swatch = rgb.ToColorRef();
    return Finish(a);
}

} // namespace tintora
