// SPDX-License-Identifier: MIT
#include "shell/windows/skin_label.h"

namespace tintora {

SkinLabel::SkinLabel(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("SkinLabel1"));
    setProperty("index", index);
    setProperty("tintoraKind", QStringLiteral("SkinLabel"));
}

} // namespace tintora
