// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tintora {

// An element of the skin-label array `SkinLabel1` that the label replacement
// puts over a plain label. objectName is "SkinLabel1", the dynamic property
// "index" holds the element's index and "tintoraKind" is "SkinLabel", so the
// colour table and a later replacement leave it alone. Element 0 of a window
// is a hidden template.
class SkinLabel : public QLabel
{
    Q_OBJECT
public:
    SkinLabel(int index, QWidget* parent);

    int index() const { return index_; }

private:
    int index_;
};

} // namespace tintora
