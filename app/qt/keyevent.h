// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QKeyEvent>

#include "app/keystroke.h"

namespace brivolo {

Modifiers heldModifiers(Qt::KeyboardModifiers modifiers);

// A key press as the core's key rules take it. The stroke views `text`, the event's text,
// which the caller keeps while it uses the stroke.
KeyStroke keyStroke(const QKeyEvent& event, const QString& text);

}  // namespace brivolo
