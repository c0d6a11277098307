// SPDX-License-Identifier: MIT
#pragma once

#include "core/message.h"

#include <QString>

namespace tintora {

// A message from core in the user's language: its template through
// QCoreApplication::translate, each argument filled in (translated in turn
// when it is a message of its own, as it is when it is data).
QString TranslatedMessage(const Message& message);

} // namespace tintora
