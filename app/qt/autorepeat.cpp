// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "autorepeat.h"

#include <QGuiApplication>

#if defined(BRIVOLO_X11)
#include <X11/XKBlib.h>

#include <QtGui/qguiapplication_platform.h>
#endif

namespace brivolo {

void askForOneReleasePerHeldKey() {
#if defined(BRIVOLO_X11)
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr) {
        return;
    }
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
#endif
}

}  // namespace brivolo
