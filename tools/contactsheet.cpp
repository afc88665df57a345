// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// brivolo-contactsheet [OUT.png]: every picture of the game at its own size and at 2x, on a
// checkerboard that shows its transparency, with its name and pixel size.
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "app/qt/vectorpictures.h"

using namespace brivolo;

namespace {

constexpr int kMargin = 12;
constexpr int kCaption = 18;
constexpr int kSheetWidth = 1800;

struct Entry {
    QString name;
    QSize size;
    QImage oneX;
    QImage twoX;
};

void checkerboard(QPainter& p, const QRect& area) {
    constexpr int cell = 8;
    for (int y = area.top(); y < area.bottom(); y += cell) {
        for (int x = area.left(); x < area.right(); x += cell) {
            const bool dark = ((x - area.left()) / cell + (y - area.top()) / cell) % 2;
            p.fillRect(QRect(x, y, cell, cell).intersected(area),
                       dark ? QColor(204, 204, 204) : QColor(255, 255, 255));
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("contact-sheet.png");
    VectorPictures drawings;
    std::vector<Entry> entries;
    for (const PictureDescription& picture : kAssets) {
        const QSize size(picture.width, picture.height);
        entries.push_back({QString::fromUtf8(picture.name.data(), qsizetype(picture.name.size())),
                           size, drawings.render(picture.asset, size),
                           drawings.render(picture.asset, size * 2)});
    }
    const QSize hand(kHandPointer.width, kHandPointer.height);
    entries.push_back({QStringLiteral("hand-pointer"), hand,
                       drawings.renderDrawing(kHandPointer.drawing, hand),
                       drawings.renderDrawing(kHandPointer.drawing, hand * 2)});
    const QSize icon(64, 64);
    entries.push_back({QStringLiteral("program icon"), icon,
                       drawings.renderDrawing(kProgramIcon, icon),
                       drawings.renderDrawing(kProgramIcon, icon * 2)});

    // Shelf layout: entries side by side, a new row when the sheet is full.
    std::vector<QRect> cells;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const Entry& e : entries) {
        const QSize cell(e.oneX.width() + e.twoX.width() + 3 * kMargin,
                         std::max(e.oneX.height(), e.twoX.height()) + kCaption + 2 * kMargin);
        if (x + cell.width() > kSheetWidth && x > kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        cells.emplace_back(QPoint(x, y), cell);
        x += cell.width() + kMargin;
        rowHeight = std::max(rowHeight, cell.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(64, 64, 72));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const QRect cell = cells[i];
        p.fillRect(cell, QColor(240, 240, 240));
        p.setPen(Qt::black);
        p.drawText(cell.adjusted(kMargin, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1  %2 x %3  (1x, 2x)")
                       .arg(e.name)
                       .arg(e.size.width())
                       .arg(e.size.height()));
        const QPoint one = cell.topLeft() + QPoint(kMargin, kCaption + kMargin);
        const QPoint two = one + QPoint(e.oneX.width() + kMargin, 0);
        checkerboard(p, QRect(one, e.oneX.size()));
        checkerboard(p, QRect(two, e.twoX.size()));
        p.drawImage(one, e.oneX);
        p.drawImage(two, e.twoX);
    }
    p.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
