// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

class Form1;
class FormWindow;

// Brings the accessible names and descriptions of the controls whose spoken text follows the
// game up to date; called after each property change, it tells assistive technology only about
// texts that changed. The other controls keep the fixed name FormWindow gives them.
void updateSpokenTexts(const Form1& form, const FormWindow& window);

}  // namespace brivolo
