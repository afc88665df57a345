// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <string_view>

namespace brivolo {

// Pictures rendered ahead of time, each found by name and pixel size. The pixels are kept
// run-length encoded: flat cartoon colours make long runs, so a pack is small and unpacking
// a picture is a few copies and fills, much cheaper than drawing it again.
//
// A pack is a sequence of entries of 32-bit words in the machine's byte order: the name's
// length in bytes, the name padded with zeros to whole words, width, height, the number of
// words of pixels that follow, then the pixels as chunks: a word n below 2^31 followed by n
// literal premultiplied ARGB pixels, or 2^31 + n followed by one pixel repeated n times.
class PicturePack {
public:
    PicturePack() = default;
    explicit PicturePack(QByteArray data);  // not copied when it wraps raw data

    // The pack built into the program.
    static const PicturePack& builtIn();

    // The picture `name` at `size`, or a null image when the pack does not hold it.
    QImage image(std::string_view name, QSize size) const;

    static void append(QByteArray& pack, std::string_view name, const QImage& image);

private:
    template <typename Visit>
    void forEach(Visit visit) const;

    QByteArray data_;
};

}  // namespace brivolo
