// SPDX-License-Identifier: MIT
#include "shell/windows/default_skin_provider.h"

#include <QWidget>

namespace tintora {

namespace {

constexpr std::int32_t ColorRef(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

constexpr std::int32_t kControlBack = ColorRef(226, 232, 240);
constexpr std::int32_t kControlText = ColorRef(28, 38, 58);
constexpr std::int32_t kPictureBack = ColorRef(46, 58, 86);
constexpr std::int32_t kWindowBack = ColorRef(238, 241, 246);

QColor ToColor(std::int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

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
    pal.setColor(QPalette::Window, ToColor(kWindowBack));
    pal.setColor(QPalette::WindowText, ToColor(kControlText));
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
