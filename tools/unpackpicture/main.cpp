// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a PNG's pixels in the unpacked form the program reads without decoding
// (widgets/bundledpicture.h), for the pictures the first window shows.
// usage: tagloom_unpack_picture <picture.png> <picture.png.pixels>
#include "widgets/bundledpicture.h"

#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture.png> <output>\n", argv[0]);
        return 2;
    }
    const QImage image(QFile::decodeName(argv[1]), "PNG");
    if (image.isNull()) {
        std::fprintf(stderr, "%s: not a readable PNG picture\n", argv[1]);
        return 1;
    }
    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(Widgets::unpackedPicture(image)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
