// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace brivolo {

// Guards the start of the toolkit. If it finds no screen to open the window on (no display, a
// display that does not answer, an unknown platform), the program ends with one line saying
// so and status 1, instead of the toolkit's advice and an abort. The toolkit's other messages
// of that moment are held back and passed on once it has started.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    struct Held {
        QtMsgType type;
        QString message;
    };
    static inline std::vector<Held> held_;
    static inline QtMessageHandler previous_ = nullptr;
};

}  // namespace brivolo
