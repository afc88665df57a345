// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "displayguard.h"

#include <cstdio>
#include <cstdlib>

namespace brivolo {

namespace {

constexpr const char* kNoDisplay =
    "brivolo: nessuno schermo grafico disponibile su cui aprire la finestra del gioco\n";

}  // namespace

DisplayGuard::DisplayGuard() {
    previous_ = qInstallMessageHandler(&DisplayGuard::handle);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previous_);
    const QMessageLogContext context;
    for (const Held& message : held_) {
        previous_(message.type, context, message.message);
    }
    held_.clear();
}

// The toolkit fails to start only through a fatal message, which must not return.
void DisplayGuard::handle(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    held_.push_back({type, message});
}

}  // namespace brivolo
