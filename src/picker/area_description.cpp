// SPDX-License-Identifier: MIT
#include "picker/area_description.h"

#include "core/numeric.h"

#include <QCoreApplication>

#include <algorithm>

namespace tintora {

namespace {

QString Field(const ChannelTexts& fields, ChannelField f)
{
    return QString::fromStdString(fields[static_cast<std::size_t>(f)]);
}

// The hue with its degree sign, saturation and brightness in per cent, as
// the fields beside them show them.
QString Channel(const ChannelTexts& fields, ChannelField f)
{
    switch (f) {
    case ChannelField::Hue:
        return QCoreApplication::translate("tintora::FocusArea", "H %1 \u00B0").arg(Field(fields, f));
    case ChannelField::Saturation:
        return QCoreApplication::translate("tintora::FocusArea", "S %1 %").arg(Field(fields, f));
    default:
        return QCoreApplication::translate("tintora::FocusArea", "B %1 %").arg(Field(fields, f));
    }
}

} // namespace

AreaDescription DescribePlane(PickerMode mode, const ChannelTexts& fields)
{
    AreaDescription d;
    ChannelField across = ChannelField::Saturation;
    ChannelField down = ChannelField::Brightness;
    switch (mode) {
    case PickerMode::Hue:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Saturation and brightness");
        break;
    case PickerMode::Saturation:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Hue and brightness");
        across = ChannelField::Hue;
        break;
    case PickerMode::Brightness:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Hue and saturation");
        across = ChannelField::Hue;
        down = ChannelField::Saturation;
        break;
    }
    d.valueText = QCoreApplication::translate("tintora::FocusArea", "%1, %2")
                      .arg(Channel(fields, across), Channel(fields, down));
    return d;
}

AreaDescription DescribeStrip(PickerMode mode, const ChannelTexts& fields)
{
    AreaDescription d;
    ChannelField f = ChannelField::Hue;
    switch (mode) {
    case PickerMode::Hue:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Hue bar");
        d.maximum = 360;
        break;
    case PickerMode::Saturation:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Saturation bar");
        f = ChannelField::Saturation;
        d.maximum = 100;
        break;
    case PickerMode::Brightness:
        d.name = QCoreApplication::translate("tintora::FocusArea", "Brightness bar");
        f = ChannelField::Brightness;
        d.maximum = 100;
        break;
    }
    // A field being typed in may hold anything: the number is then the
    // nearest end of the range, the text says what the field says.
    bool ok = false;
    const int v = Field(fields, f).trimmed().toInt(&ok);
    d.value = ok ? std::clamp(v, d.minimum, d.maximum) : d.minimum;
    d.valueText = Channel(fields, f);
    return d;
}

AreaDescription DescribeGridCell(int cell, int cellCount, Rgb color)
{
    AreaDescription d;
    d.name = QCoreApplication::translate("tintora::FocusArea", "Colour grid");
    d.value = cell;
    d.minimum = 1;
    d.maximum = cellCount;
    const QString hex = QString::fromStdString("#" + PaddedHex(color.ToRrggbb(), 6));
    d.valueText = QCoreApplication::translate("tintora::FocusArea", "Cell %1 of %2, %3")
                      .arg(cell)
                      .arg(cellCount)
                      .arg(hex);
    return d;
}

AreaKey AreaKeyOf(int key, bool shift, bool slider)
{
    const int step = shift ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
        return {slider ? 0 : -step, 0};
    case Qt::Key_Right:
        return {slider ? 0 : step, 0};
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    case Qt::Key_PageUp:
        return {0, slider ? -10 : 0};
    case Qt::Key_PageDown:
        return {0, slider ? 10 : 0};
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {0, 0, !slider};
    default:
        return {};
    }
}

} // namespace tintora
