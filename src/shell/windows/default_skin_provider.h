// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windows/skin.h"

namespace tintora {

// The program's own skin: a calm blue-grey theme. Colour properties 2 to 5
// give the theme's control background, control text, picture background and
// window background; any other number gives 0 (black). SkinWindow paints the
// window's background and text in the theme. The engine has nothing outside
// the program to drive: it only keeps whether it runs, so that the start at
// the splash and the end at program end can be checked to pair up.
class DefaultSkinProvider : public SkinProvider
{
public:
    std::int32_t ColorProperty(int dispatchId) override;
    void SkinWindow(QWidget* window) override;
    void EngineStart() override;
    void EngineEnd() override;

    bool engineRunning() const { return engineRunning_; }

private:
    bool engineRunning_ = false;
};

} // namespace tintora
