// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

// Under X11 a held key repeats as a release and a new press each time, and telling those
// releases from the real one by looking for the press that follows fails when the program is
// slow to read its events. This asks the X server to send no release while a key repeats, so
// that a held key gives KeyUp once, when it is let go. Elsewhere it does nothing.
void askForOneReleasePerHeldKey();

}  // namespace brivolo
