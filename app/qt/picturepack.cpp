// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "picturepack.h"

#include <QResource>
#include <algorithm>
#include <cstring>

namespace brivolo {

namespace {

constexpr quint32 kRun = 0x80000000u;
constexpr qsizetype kWord = sizeof(quint32);

// Resource data carries no alignment: words are read by copy.
quint32 wordAt(const char* data, qsizetype index) {
    quint32 word = 0;
    std::memcpy(&word, data + index * kWord, kWord);
    return word;
}

void appendWord(QByteArray& out, quint32 word) {
    out.append(reinterpret_cast<const char*>(&word), kWord);
}

qsizetype wordsFor(qsizetype bytes) {
    return (bytes + kWord - 1) / kWord;
}

bool unpack(const char* words, qsizetype count, QImage& image) {
    auto* pixel = reinterpret_cast<quint32*>(image.bits());
    const qsizetype pixels = qsizetype(image.width()) * image.height();
    qsizetype at = 0;
    for (qsizetype i = 0; i < count;) {
        const quint32 head = wordAt(words, i++);
        const qsizetype n = head & ~kRun;
        if (n > pixels - at || i + ((head & kRun) != 0u ? 1 : n) > count) {
            return false;
        }
        if ((head & kRun) != 0u) {
            std::fill_n(pixel + at, n, wordAt(words, i++));
        } else {
            std::memcpy(pixel + at, words + i * kWord, std::size_t(n) * kWord);
            i += n;
        }
        at += n;
    }
    return at == pixels;
}

}  // namespace

PicturePack::PicturePack(QByteArray data) : data_(std::move(data)) {}

const PicturePack& PicturePack::builtIn() {
    static const PicturePack pack(
        QResource(QStringLiteral(":/prerendered/pictures.pack")).uncompressedData());
    return pack;
}

template <typename Visit>
void PicturePack::forEach(Visit visit) const {
    const char* data = data_.constData();
    const qsizetype words = data_.size() / kWord;
    qsizetype i = 0;
    while (i + 1 <= words) {
        const qsizetype nameBytes = wordAt(data, i);
        const qsizetype nameWords = wordsFor(nameBytes);
        if (i + 1 + nameWords + 3 > words) {
            return;
        }
        const std::string_view name(data + (i + 1) * kWord, std::size_t(nameBytes));
        i += 1 + nameWords;
        const QSize size(int(wordAt(data, i)), int(wordAt(data, i + 1)));
        const qsizetype pixelWords = wordAt(data, i + 2);
        i += 3;
        if (pixelWords > words - i || visit(name, size, data + i * kWord, pixelWords)) {
            return;
        }
        i += pixelWords;
    }
}

QImage PicturePack::image(std::string_view name, QSize size) const {
    QImage found;
    forEach([&](std::string_view entry, QSize entrySize, const char* pixels, qsizetype count) {
        if (entry != name || entrySize != size) {
            return false;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        if (unpack(pixels, count, image)) {
            found = std::move(image);
        }
        return true;
    });
    return found;
}

void PicturePack::append(QByteArray& pack, std::string_view name, const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray encoded;
    const auto flushLiterals = [&](const quint32* from, qsizetype n) {
        if (n > 0) {
            appendWord(encoded, quint32(n));
            encoded.append(reinterpret_cast<const char*>(from), n * kWord);
        }
    };
    // Runs cross rows: the rows of a 32-bit image lie end to end, with no padding.
    const auto* pixel = reinterpret_cast<const quint32*>(pixels.constBits());
    const qsizetype count = qsizetype(pixels.width()) * pixels.height();
    qsizetype literalsFrom = 0;
    for (qsizetype i = 0; i < count;) {
        qsizetype end = i + 1;
        while (end < count && pixel[end] == pixel[i]) {
            ++end;
        }
        // Three equal pixels or more pay for a run of their own.
        if (end - i >= 3) {
            flushLiterals(pixel + literalsFrom, i - literalsFrom);
            appendWord(encoded, kRun | quint32(end - i));
            appendWord(encoded, pixel[i]);
            literalsFrom = end;
        }
        i = end;
    }
    flushLiterals(pixel + literalsFrom, count - literalsFrom);

    appendWord(pack, quint32(name.size()));
    QByteArray paddedName(name.data(), qsizetype(name.size()));
    paddedName.append(wordsFor(paddedName.size()) * kWord - paddedName.size(), '\0');
    pack.append(paddedName);
    appendWord(pack, quint32(pixels.width()));
    appendWord(pack, quint32(pixels.height()));
    appendWord(pack, quint32(encoded.size() / kWord));
    pack.append(encoded);
}

}  // namespace brivolo
