// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

class Form1;
class FormWindow;

// Brings what assistive technology reads of the window up to date with the controls: the names
// and descriptions of those whose spoken text changes, and which stacked picture is in front.
// Only what changed is told.
void updateSpokenTexts(const Form1& form, const FormWindow& window);

}  // namespace brivolo
