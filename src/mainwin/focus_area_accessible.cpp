// SPDX-License-Identifier: MIT
#include "mainwin/focus_area_accessible.h"

#include "mainwin/focus_area.h"

namespace tintora {

FocusAreaAccessible::FocusAreaAccessible(FocusArea* area)
    : QAccessibleWidget(area, area->isSlider() ? QAccessible::Slider : QAccessible::ColorChooser)
{
}

FocusArea* FocusAreaAccessible::area() const
{
    return static_cast<FocusArea*>(widget());
}

QAccessible::Role FocusAreaAccessible::role() const
{
    return area()->isSlider() ? QAccessible::Slider : QAccessible::ColorChooser;
}

QString FocusAreaAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return area()->description().valueText;
    return QAccessibleWidget::text(t);
}

void* FocusAreaAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface && area()->isSlider())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant FocusAreaAccessible::currentValue() const
{
    return area()->description().value;
}

void FocusAreaAccessible::setCurrentValue(const QVariant&)
{
    // The strip is moved with the keys or the pointer, as the picker reads
    // its colour back from the surface; a value set from outside is ignored.
}

QVariant FocusAreaAccessible::maximumValue() const
{
    return area()->description().maximum;
}

QVariant FocusAreaAccessible::minimumValue() const
{
    return area()->description().minimum;
}

QVariant FocusAreaAccessible::minimumStepSize() const
{
    return 1;
}

namespace {

QAccessibleInterface* FocusAreaFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tintora::FocusArea") && object && object->isWidgetType())
        return new FocusAreaAccessible(static_cast<FocusArea*>(object));
    return nullptr;
}

} // namespace

void InstallFocusAreaAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(FocusAreaFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tintora
