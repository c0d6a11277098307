// SPDX-License-Identifier: MIT
#pragma once

// Controls created at a fixed place under their design name.

#include "mainwin/swatch_label.h"

#include <QLabel>
#include <QPushButton>

namespace tintora {

template <typename W> W* Make(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

inline QPushButton* Button(QWidget* parent, const QString& name, int x, int y, int w, int h,
                           const QString& caption)
{
    auto* b = Make<QPushButton>(parent, name, x, y, w, h);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

inline QLabel* Label(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto* l = Make<QLabel>(parent, name, x, y, w, h);
    l->setText(caption);
    return l;
}

inline SwatchLabel* Swatch(QWidget* parent, const QString& name, int x, int y, int w, int h, bool border)
{
    auto* s = Make<SwatchLabel>(parent, name, x, y, w, h);
    if (border)
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
    return s;
}

} // namespace tintora
