// SPDX-License-Identifier: MIT
// Marks a text in core (which has no Qt) for translation: the text stays as
// it is here, lupdate collects it under `context`, and the layer that shows
// it translates it with QCoreApplication::translate(context, text).
#pragma once

#define TINTORA_TR_NOOP(context, text) text
