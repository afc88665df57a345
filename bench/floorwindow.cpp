// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The floor for start-up, idle and memory: a bare Qt window of the game's size holding as
// many plain widgets as the game has controls (120), each filling its rectangle with a
// colour, and nothing else: no pictures, no fonts of its own, no game.
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

constexpr int kWidth = 792;
constexpr int kHeight = 566;
constexpr int kWidgets = 120;
constexpr int kColumns = 12;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(kWidth, kHeight);
    const int cellWidth = kWidth / kColumns;
    const int cellHeight = kHeight / (kWidgets / kColumns);
    for (int i = 0; i < kWidgets; ++i) {
        auto* child = new QWidget(&window);
        child->setGeometry((i % kColumns) * cellWidth, (i / kColumns) * cellHeight, cellWidth - 4,
                           cellHeight - 4);
        QPalette palette = child->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv((i * 37) % 360, 160, 230));
        child->setPalette(palette);
        child->setAutoFillBackground(true);
    }
    window.show();
    return QApplication::exec();
}
