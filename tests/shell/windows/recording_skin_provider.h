// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <QWidget>

#include "shell/windows/skin.h"

namespace tintora::testing {

// A skin provider that records every call in order and can be told to fail.
class RecordingSkinProvider : public SkinProvider
{
public:
    std::int32_t ColorProperty(int dispatchId) override
    {
        calls.push_back("color " + std::to_string(dispatchId));
        if (throwOnColor)
            throw std::runtime_error("colour property failed");
        return colors.at(dispatchId);
    }
    void SkinWindow(QWidget* window) override
    {
        calls.push_back("window " + window->objectName().toStdString());
    }
    void EngineStart() override
    {
        calls.push_back("engine start");
        if (throwOnEngineStart)
            throw std::runtime_error("engine failed");
    }
    void EngineEnd() override { calls.push_back("engine end"); }

    // COLORREF values 0x00BBGGRR, each channel different so that a swapped
    // byte order shows.
    std::map<int, std::int32_t> colors = {{2, 0x00302010}, {3, 0x00605040}, {4, 0x00908070}, {5, 0x00C0B0A0}};
    std::vector<std::string> calls;
    bool throwOnColor = false;
    bool throwOnEngineStart = false;
};

// The calls ApplySkin makes, in order.
inline std::vector<std::string> ApplySkinCalls(const std::string& windowName)
{
    return {"color 2", "color 3", "color 4", "color 5", "window " + windowName};
}

} // namespace tintora::testing
