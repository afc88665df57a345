// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Quit: the setting sun ends the program; nothing is kept between runs.
#include "app/form1.h"

namespace brivolo {

void Form1::Image88_Click() {
    ended_ = true;
    host_.endProgram();
}

}  // namespace brivolo
