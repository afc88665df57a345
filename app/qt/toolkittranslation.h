// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

class QCoreApplication;

namespace brivolo {

// Installs Qt's own Italian translations (qtbase_it, from the qt6-translations-l10n package)
// so that whatever text the toolkit itself shows is Italian, whatever the system's language.
// Returns false when they are not installed; the program then runs without them.
bool installToolkitTranslation(QCoreApplication& application);

}  // namespace brivolo
