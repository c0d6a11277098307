#include "picker/picker_controller.h"

#include "core/numeric.h"
#include "picker/renderers.h"

#include <algorithm>
#include <cmath>

namespace tintora {

namespace {

constexpr int RingRadius = 5;

// Nearest integer, ties to even (the default rounding mode).
double RoundEven(double v)
{
    return std::nearbyint(v);
}

int ClampInt(double v, int lo, int hi)
{
    if (!(v >= lo)) // also NaN
        return lo;
    if (v > hi)
        return hi;
    return static_cast<int>(v);
}

} // namespace

PickerController::PickerController(Surface& surface, CurrentColorModel& color, PickerView& view)
    : surface_(surface), color_(color), view_(view)
{
}

int PickerController::MarkerRow() const
{
    return static_cast<int>(RoundEven(layout_.SliderY));
}

void PickerController::SetMarkersVisible(bool visible)
{
    if (markersVisible_ == visible)
        return;
    markersVisible_ = visible;
    RingChanged(layout_.SelX, layout_.SelY);
    DashesChanged(MarkerRow());
}

void PickerController::RingChanged(int x, int y)
{
    view_.MarkersChanged(x - RingRadius, y - RingRadius, 2 * RingRadius + 1, 2 * RingRadius + 1);
}

void PickerController::DashesChanged(int row)
{
    // Both dashes and the strip between them: x 272..297, rows row-1..row+1.
    view_.MarkersChanged(layout_.SliderLeft - 5, row - 1, (layout_.SliderRight + 5) - (layout_.SliderLeft - 5) + 1, 3);
}

// ---- drawing -------------------------------------------------------------

void PickerController::StartUp()
{
    layout_ = PickerLayout::Build();
    DrawHueStrip();
    layout_.SelX = layout_.PlaneRight;
    layout_.SelY = layout_.PlaneTop;
    layout_.SliderY = static_cast<float>(layout_.SliderBottom);
    SetMarkersVisible(true);
    DrawSatBriPlane(255, 0, 0);
}

void PickerController::DrawHueStrip()
{
    view_.ShowWindow();
    surface_.setDrawWidth(1);
    surface_.setDrawMode(DrawMode::Copy);
    const Dib strip = RenderHueStrip();
    // Mirrored vertically: the first buffer row lands on the strip's top row.
    surface_.StretchBlt(layout_.SliderLeft, layout_.SliderBottom, 15, -256, strip, 0, 0, 15, 256);
    DrawMainFrame();
}

void PickerController::DrawSatBriPlane(int red, int green, int blue)
{
    surface_.setDrawWidth(1);
    surface_.setDrawMode(DrawMode::Copy);
    const Dib plane = RenderSatBriPlane(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    surface_.BitBlt(layout_.PlaneLeft, layout_.PlaneTop, 256, 256, plane, 0, 0);
    DrawSelFrame();
}

namespace {

// The two hue planes are mirrored horizontally: hue column 0 lands on the
// plane's right edge.
void PlaceHuePlane(Surface& s, const PickerLayout& l, const Dib& plane)
{
    s.setDrawWidth(1);
    s.setDrawMode(DrawMode::Copy);
    s.StretchBlt(l.PlaneRight, l.PlaneTop, -256, 256, plane, 0, 0, 256, 256);
}

} // namespace

void PickerController::DrawHueSatPlane()
{
    PlaceHuePlane(surface_, layout_, RenderHueSatPlane());
    DrawSelFrame();
}

void PickerController::DrawHueBriPlane()
{
    PlaceHuePlane(surface_, layout_, RenderHueBriPlane());
    DrawSelFrame();
}

namespace {

void DrawStripLines(Surface& s, const PickerLayout& l, const std::array<ColorRef, 256>& rows)
{
    s.setDrawMode(DrawMode::Copy);
    s.setDrawWidth(1);
    for (int i = 0; i < 256; ++i) {
        s.setForeColor(rows[static_cast<std::size_t>(i)]);
        s.MoveToEx(l.SliderLeft, l.SliderTop + i);
        s.LineTo(l.SliderRight, l.SliderTop + i);
    }
}

} // namespace

void PickerController::DrawSaturationStrip(int red, int green, int blue)
{
    DrawStripLines(surface_, layout_,
                   SaturationStripColors(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
    DrawMainFrame();
}

void PickerController::DrawBrightnessStrip(int red, int green, int blue)
{
    DrawStripLines(surface_, layout_,
                   BrightnessStripColors(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
    DrawMainFrame();
}

void PickerController::DrawSelFrame()
{
    surface_.DrawEdge(layout_.PlaneLeft - 1, layout_.PlaneTop - 1, layout_.PlaneRight + 3, layout_.PlaneBottom + 3,
                      EdgeKind::SunkenInner);
    surface_.Refresh();
}

void PickerController::DrawMainFrame()
{
    surface_.DrawEdge(layout_.SliderLeft - 1, layout_.SliderTop - 1, layout_.SliderRight + 1, layout_.SliderBottom + 3,
                      EdgeKind::SunkenInner);
    surface_.Refresh();
}

// ---- markers -------------------------------------------------------------

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

// ---- fields --------------------------------------------------------------

double PickerController::FieldValue(ChannelField f) const
{
    return ParseLeadingNumber(view_.FieldText(f));
}

void PickerController::SetFieldNumber(ChannelField f, double value)
{
    view_.SetFieldText(f, DecimalText(static_cast<std::int64_t>(value)));
}

void PickerController::WriteRgb(const Rgb& rgb)
{
    view_.SetFieldText(ChannelField::Red, DecimalText(rgb.red));
    view_.SetFieldText(ChannelField::Green, DecimalText(rgb.green));
    view_.SetFieldText(ChannelField::Blue, DecimalText(rgb.blue));
}

// ---- pointer -------------------------------------------------------------

bool PickerController::InPlane(double x, double y) const
{
    return layout_.PlaneLeft <= x && x <= layout_.PlaneRight && layout_.PlaneTop <= y && y <= layout_.PlaneBottom;
}

bool PickerController::InSliderZone(double x, double y) const
{
    // Reaches 10 pixels right of the strip, over the right-hand dash.
    return layout_.SliderLeft <= x && x < layout_.SliderRight + 11 && layout_.SliderTop - 2 <= y &&
           y < layout_.SliderBottom + 3;
}

void PickerController::MouseDown(int button, double x, double y)
{
    if (button != LeftButton)
        return;
    if (InPlane(x, y)) {
        planeDragging_ = true;
        PickPlanePoint(x, y);
    }
    if (InSliderZone(x, y)) {
        sliderDragging_ = true;
        if (y > layout_.SliderBottom)
            y = layout_.SliderBottom;
        if (y < layout_.SliderTop)
            y = layout_.SliderTop;
        PickSliderPoint(y);
    }
}

void PickerController::MouseMove(int buttons, double x, double y)
{
    if (buttons != LeftButton)
        return;
    if (planeDragging_) {
        x = std::clamp(x, static_cast<double>(layout_.PlaneLeft), static_cast<double>(layout_.PlaneRight));
        y = std::clamp(y, static_cast<double>(layout_.PlaneTop), static_cast<double>(layout_.PlaneBottom));
        PickPlanePoint(x, y);
    }
    if (sliderDragging_) {
        if (y > layout_.SliderBottom)
            y = layout_.SliderBottom;
        if (y < layout_.SliderTop)
            y = layout_.SliderTop;
        PickSliderPoint(y);
    }
}

void PickerController::MouseUp()
{
    planeDragging_ = false;
    if (sliderDragging_ && view_.Mode() == PickerMode::Hue) {
        // The hue drag ends: the plane is rendered once for the new hue and
        // the colour under the ring is taken.
        const ColorRef hue = surface_.Point(layout_.SliderLeft + 3, MarkerRow());
        const Rgb rgb = color_.SetCurrentColor(hue);
        DrawSatBriPlane(rgb.red, rgb.green, rgb.blue);
        PickSelectedColor();
    }
    sliderDragging_ = false;
}

void PickerController::PickPlanePoint(double x, double y)
{
    // Positions come from pointer events or are clamped to the plane, so the
    // half-even rounding always lands on a plane pixel.
    MoveSelection(ClampInt(RoundEven(x), layout_.PlaneLeft, layout_.PlaneRight),
                  ClampInt(RoundEven(y), layout_.PlaneTop, layout_.PlaneBottom));
    ColorRef c = surface_.Point(x, y);
    Rgb rgb = color_.SetCurrentColor(c);

    const int dx = layout_.SelX - layout_.PlaneLeft;
    const int up = 255 - (layout_.SelY - layout_.PlaneTop);
    const PickerMode mode = view_.Mode();
    switch (mode) {
    case PickerMode::Saturation:
        DrawSaturationStrip(rgb.red, rgb.green, rgb.blue);
        SetFieldNumber(ChannelField::Brightness, std::floor(static_cast<double>(up * 100) / 255.0));
        SetFieldNumber(ChannelField::Hue, std::floor(static_cast<double>(dx * 360) / 255.0));
        break;
    case PickerMode::Brightness:
        DrawBrightnessStrip(rgb.red, rgb.green, rgb.blue);
        SetFieldNumber(ChannelField::Saturation,
                       std::floor(static_cast<double>((layout_.PlaneBottom - layout_.SelY) * 100) / 255.0));
        SetFieldNumber(ChannelField::Hue, std::floor(static_cast<double>(dx * 360) / 255.0));
        break;
    case PickerMode::Hue:
        SetFieldNumber(ChannelField::Saturation, std::floor(static_cast<double>(dx * 100) / 255.0));
        SetFieldNumber(ChannelField::Brightness, std::floor(static_cast<double>(up * 100) / 255.0));
        break;
    }
    if (mode != PickerMode::Hue) {
        // The colour is the strip's pixel at the marker, freshly drawn.
        c = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), static_cast<double>(layout_.SliderY));
        rgb = color_.SetCurrentColor(c);
    }
    WriteRgb(rgb);
    view_.SetSelColor(c);
}

void PickerController::PickSliderPoint(double y)
{
    MoveSliderMarker(y);
    const ColorRef c = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), y);
    const Rgb rgb = color_.SetCurrentColor(c);
    const float up = (255.0f - static_cast<float>(y)) + static_cast<float>(layout_.PlaneTop);
    const PickerMode mode = view_.Mode();
    if (mode == PickerMode::Hue) {
        SetFieldNumber(ChannelField::Hue, std::floor(static_cast<double>(up) * 360.0 / 255.0));
        // The swatch previews the typed saturation and brightness; values
        // outside 0..100 are taken as their nearest end.
        const int s = ClampInt(RoundEven(FieldValue(ChannelField::Saturation)), 0, 100);
        const int b = ClampInt(RoundEven(FieldValue(ChannelField::Brightness)), 0, 100);
        UpdateHueSwatch(s, b);
    } else {
        WriteRgb(rgb);
        view_.SetSelColor(c);
    }
    if (mode == PickerMode::Saturation)
        SetFieldNumber(ChannelField::Saturation, std::floor(static_cast<double>(up) * 100.0 / 255.0));
    if (mode == PickerMode::Brightness)
        SetFieldNumber(ChannelField::Brightness, std::floor(static_cast<double>(up) * 100.0 / 255.0));
}

void PickerController::UpdateHueSwatch(int saturation, int brightness)
{
    const ColorRef h = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), static_cast<double>(layout_.SliderY));
    const Rgb rgb = color_.SetCurrentColor(h);
    const int s = std::clamp(saturation, 0, 100);
    const int b = std::clamp(brightness, 0, 100);
    auto shade = [&](int v) {
        // The integer product first, then double precision, one rounding.
        const int product = (255 - v) * (100 - s);
        const double shaded = (static_cast<double>(product) / 100.0 + v) * b / 100.0;
        return std::clamp(static_cast<int>(RoundEven(shaded)), 0, 255);
    };
    view_.SetSelColor(MakeColorRef(shade(rgb.red), shade(rgb.green), shade(rgb.blue)));
}

void PickerController::PickSelectedColor()
{
    const ColorRef c = surface_.Point(layout_.SelX, layout_.SelY);
    view_.SetSelColor(c);
    WriteRgb(color_.SetCurrentColor(c));
}

// ---- mode switches -------------------------------------------------------

void PickerController::optH_Click()
{
    const double H = FieldValue(ChannelField::Hue);
    const double S = FieldValue(ChannelField::Saturation);
    const double B = FieldValue(ChannelField::Brightness);
    DrawHueStrip();
    MoveSliderMarker(std::floor(layout_.SliderBottom - H * 255.0 / 360.0));
    const ColorRef c = surface_.Point(static_cast<double>(layout_.SliderLeft + 3), static_cast<double>(layout_.SliderY));
    const Rgb rgb = color_.SetCurrentColor(c);
    DrawSatBriPlane(rgb.red, rgb.green, rgb.blue);
    MoveSelection(SaturatingInt32Nearest(S * 255.0 / 100.0 + layout_.PlaneLeft),
                  SaturatingInt32Nearest(layout_.PlaneBottom - B * 255.0 / 100.0));
    view_.SetSelColor(surface_.Point(layout_.SelX, layout_.SelY));
}

void PickerController::optS_Click()
{
    const double H = FieldValue(ChannelField::Hue);
    const double B = FieldValue(ChannelField::Brightness);
    DrawHueBriPlane();
    MoveSelection(SaturatingInt32Nearest(H * 255.0 / 360.0 + layout_.PlaneLeft),
                  SaturatingInt32Nearest(layout_.PlaneBottom - B * 255.0 / 100.0));
    const ColorRef c = surface_.Point(layout_.SelX, layout_.SelY);
    const Rgb rgb = color_.SetCurrentColor(c);
    DrawSaturationStrip(rgb.red, rgb.green, rgb.blue);
    surface_.Refresh();
}

void PickerController::optB_Click()
{
    const double H = FieldValue(ChannelField::Hue);
    const double S = FieldValue(ChannelField::Saturation);
    DrawHueSatPlane();
    MoveSelection(SaturatingInt32Nearest(H * 255.0 / 360.0 + layout_.PlaneLeft),
                  SaturatingInt32Nearest(layout_.PlaneBottom - S * 255.0 / 100.0));
    const ColorRef c = surface_.Point(layout_.SelX, layout_.SelY);
    const Rgb rgb = color_.SetCurrentColor(c);
    DrawBrightnessStrip(rgb.red, rgb.green, rgb.blue);
}

void PickerController::RunModeHandler()
{
    switch (view_.Mode()) {
    case PickerMode::Hue:
        optH_Click();
        break;
    case PickerMode::Saturation:
        optS_Click();
        break;
    case PickerMode::Brightness:
        optB_Click();
        break;
    }
}

// ---- typed channels ------------------------------------------------------

bool PickerController::HueCheckFails() const
{
    const double v = FieldValue(ChannelField::Hue);
    return !(v >= 0.0 && v <= 360.0) || v != std::floor(v);
}

void PickerController::txtH_KeyUp()
{
    if (HueCheckFails())
        view_.ShowHueMessage();
    if (FieldValue(ChannelField::Hue) < 0.0)
        view_.SetFieldText(ChannelField::Hue, "0");
    if (view_.Mode() != PickerMode::Hue || sliderDragging_)
        return;
    const double h = FieldValue(ChannelField::Hue);
    MoveSliderMarker(layout_.SliderBottom - h * 255.0 / 360.0);
    const ColorRef c = surface_.Point(static_cast<double>(layout_.SliderLeft + 5), static_cast<double>(layout_.SliderY));
    const Rgb rgb = color_.SetCurrentColor(c);
    DrawSatBriPlane(rgb.red, rgb.green, rgb.blue);
    PickSelectedColor();
}

void PickerController::txtH_LostFocus()
{
    if (!HueCheckFails())
        return;
    view_.ShowHueMessage();
    view_.FocusHueField();
}

void PickerController::txtS_KeyUp()
{
    if (view_.Mode() != PickerMode::Hue)
        return;
    const double s = FieldValue(ChannelField::Saturation);
    MoveSelection(SaturatingInt32Nearest(layout_.PlaneLeft + s * 255.0 / 100.0), layout_.SelY);
    PickSelectedColor();
}

void PickerController::txtB_KeyUp()
{
    if (view_.Mode() != PickerMode::Hue)
        return;
    const double b = FieldValue(ChannelField::Brightness);
    MoveSelection(layout_.SelX, SaturatingInt32Nearest(layout_.PlaneBottom - b * 255.0 / 100.0));
    PickSelectedColor();
}

} // namespace tintora
