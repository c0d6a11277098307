// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace tintora::test {

// Every warning and critical message Qt has logged in this process so far.
QStringList QtWarningsSoFar();

} // namespace tintora::test
