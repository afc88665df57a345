// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Build-time tool: renders, from the SVG drawings and with the program's own renderer, every
// picture at the sizes the window shows it on screens of device pixel ratio 1 and 2, the
// cursor at both ratios and the program icon at the sizes window managers ask for, and
// writes them into one picture pack that the program carries.
//
//     brivolo-prerender OUTPUT.pack
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

#include "app/layout.h"
#include "picturepack.h"
#include "vectorpictures.h"

using namespace brivolo;

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.pack\n", argv[0]);
        return 2;
    }
    VectorPictures drawings;
    QByteArray pack;
    QSet<QString> done;
    const auto add = [&](std::string_view name, QSize size, const auto& render) {
        const QString key = QStringLiteral("%1 %2x%3")
                                .arg(QString::fromUtf8(name.data(), qsizetype(name.size())))
                                .arg(size.width())
                                .arg(size.height());
        if (!done.contains(key)) {
            done.insert(key);
            PicturePack::append(pack, name, render());
        }
    };
    const auto addPicture = [&](Asset asset, QSize size) {
        add(pictureDescription(asset).name, size, [&] { return drawings.render(asset, size); });
    };
    const auto addDrawing = [&](std::string_view drawing, QSize size) {
        add(drawing, size, [&] { return drawings.renderDrawing(drawing, size); });
    };
    for (const int scale : {1, 2}) {
        const PictureDescription& background = pictureDescription(Asset::BeachBackground);
        addPicture(Asset::BeachBackground, QSize(background.width, background.height) * scale);
        for (const ControlLayout& control : layout()) {
            if (control.kind == ControlKind::Picture) {
                addPicture(control.asset, QSize(control.rect.width, control.rect.height) * scale);
            }
        }
        addDrawing(kHandPointer.drawing, QSize(kHandPointer.width, kHandPointer.height) * scale);
    }
    for (const int side : kProgramIconSides) {
        addDrawing(kProgramIcon, QSize(side, side));
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(pack) != pack.size()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
