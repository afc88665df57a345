// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// A run-time error ends the program at once, with its message and a failure status.
#include <sys/wait.h>
#include <unistd.h>
#include <QTest>
#include <cstdlib>
#include <string>

#include "app/qt/runtimeerror.h"

class RunTimeErrorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theErrorEndsTheProgramWithItsMessage() {
        int channel[2];
        QCOMPARE(pipe(channel), 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            dup2(channel[1], STDERR_FILENO);
            close(channel[0]);
            brivolo::exitWithRunTimeError("errore di run-time: indice fuori dai limiti");
            _exit(0);  // only if the failure did not end the program
        }
        close(channel[1]);
        std::string said;
        char buffer[256];
        for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
            said.append(buffer, static_cast<std::size_t>(n));
        }
        close(channel[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), EXIT_FAILURE);
        QCOMPARE(QString::fromStdString(said),
                 QStringLiteral("brivolo: errore di run-time: indice fuori dai limiti\n"));
    }
};

QTEST_APPLESS_MAIN(RunTimeErrorTest)
#include "tst_runtimeerror.moc"
