// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Build-time tool: renders, from the SVG drawings and with the program's own renderer, every
// picture at the sizes the window shows it on screens of device pixel ratio 1 and 2, the
// cursor at both ratios and the program icon at its sizes, and writes them into one picture
// pack that the program carries. The icon also goes, one PNG file per size, into an icon
// theme folder (ICON_THEME/NxN/apps/ICON_NAME.png) for the desktop.
//
//     brivolo-prerender OUTPUT.pack ICON_THEME ICON_NAME
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

#include "app/layout.h"
#include "picturepack.h"
#include "vectorpictures.h"

using namespace brivolo;

namespace {

bool writeIconTheme(VectorPictures& drawings, const QString& theme, const QString& name) {
    for (const ProgramIconSize& size : kProgramIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size.side);
        const QImage icon = drawings.renderDrawing(kProgramIcon, QSize(size.side, size.side));
        if (!QDir().mkpath(folder) || !icon.convertToFormat(QImage::Format_ARGB32)
                                           .save(QStringLiteral("%1/%2.png").arg(folder, name))) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(folder));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.pack ICON_THEME ICON_NAME\n", argv[0]);
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
    for (const auto [side, forWindow] : kProgramIconSizes) {
        if (forWindow) {
            addDrawing(kProgramIcon, QSize(side, side));
        }
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(pack) != pack.size()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    return writeIconTheme(drawings, QString::fromLocal8Bit(argv[2]),
                          QString::fromLocal8Bit(argv[3]))
               ? 0
               : 1;
}
