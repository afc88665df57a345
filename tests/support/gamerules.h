// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QStringList>

namespace brivolo {
class Form1;
}

namespace brivolo::test {

// What must hold of the game after every event, whatever the user did: the game's counters
// agree with each other and stay within their arrays, the pictures shown match the counters,
// and the text boxes hold nothing but digits. Returns one line per broken rule; empty when
// all hold.
QStringList brokenGameRules(const Form1& form);

}  // namespace brivolo::test
