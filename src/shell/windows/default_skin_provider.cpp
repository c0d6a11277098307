// SPDX-License-Identifier: MIT
#include "shell/windows/default_skin_provider.h"

#include "surface/qt_colors.h"

#include <QWidget>

namespace tintora {

namespace {

constexpr ColorRef kControlBack = MakeColorRef(226, 232, 240);
constexpr ColorRef kControlText = MakeColorRef(28, 38, 58);
constexpr ColorRef kPictureBack = MakeColorRef(46, 58, 86);
constexpr ColorRef kWindowBack = MakeColorRef(238, 241, 246);

} // namespace

std::unique_ptr<SkinProvider> CreateDefaultSkinProvider()
{
    return std::make_unique<DefaultSkinProvider>();
}

std::int32_t DefaultSkinProvider::ColorProperty(int dispatchId)
{
    switch (dispatchId) {
    case 2:
        return kControlBack;
    case 3:
        return kControlText;
    case 4:
        return kPictureBack;
    case 5:
        return kWindowBack;
    default:
        return 0;
    }
}

void DefaultSkinProvider::SkinWindow(QWidget* window)
{
    if (window == nullptr)
        return;
    // Only the window's own roles: controls coloured by the table keep theirs,
    // everything else inherits the window's.
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, ToQColor(kWindowBack));
    pal.setColor(QPalette::WindowText, ToQColor(kControlText));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void DefaultSkinProvider::EngineStart()
{
    engineRunning_ = true;
}

void DefaultSkinProvider::EngineEnd()
{
    engineRunning_ = false;
}

} // namespace tintora
