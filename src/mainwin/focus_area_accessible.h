// SPDX-License-Identifier: MIT
#pragma once

#include "picker/area_description.h"

#include <QAccessibleWidget>

namespace tintora {

class FocusArea;

// The accessible interface of a FocusArea: a colour chooser for the plane
// or the grid, a slider with a value for the strip.
class FocusAreaAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit FocusAreaAccessible(FocusArea* area);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    FocusArea* area() const;
};

// Makes FocusAreaAccessible the interface of every FocusArea (once per
// process; called by the first FocusArea).
void InstallFocusAreaAccessibleFactory();

} // namespace tintora
