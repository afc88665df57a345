// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QStringList>

namespace brivolo {
class Form1;
class FormWindow;
}  // namespace brivolo

namespace brivolo::hardening {

// What must hold after every event, whatever the user did: the game's counters agree with
// each other and stay within their arrays, the pictures shown match the counters, the
// widgets mirror the controls, and the text boxes hold nothing but digits.
// Returns one line per broken rule; empty when all hold.
QStringList invariantViolations(Form1& form, const FormWindow& window);

}  // namespace brivolo::hardening
