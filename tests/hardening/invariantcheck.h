// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QStringList>

namespace brivolo {
class Form1;
class FormWindow;
}  // namespace brivolo

namespace brivolo::hardening {

// What must hold after every event, whatever the user did: the game's rules
// (test::brokenGameRules), and the widgets mirroring the controls with nothing but digits in
// the text boxes. Returns one line per broken rule; empty when all hold.
QStringList invariantViolations(const Form1& form, const FormWindow& window);

}  // namespace brivolo::hardening
