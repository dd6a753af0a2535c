#include "assets.h"

#include "paint.h"

#include <QFile>
#include <QTextStream>

namespace draw {

namespace {

bool writeGalleryReadme(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "# Web elements gallery previews\n\n"
           "Written by tools/drawassets; do not edit by hand. One line per item: number,\n"
           "file, size in pixels (width x height), download page under /tagloom/icons/,\n"
           "and what it shows. Items 1-20 are the icons (tabs \"Icons 1\": 1-12,\n"
           "\"Icons 2\": 13-20), 21-40 the bullets (bullet n-20; \"Bullets 1\": 21-32,\n"
           "\"Bullets 2\": 33-40) and 41-46 the dividers (divider n-40). Most have a\n"
           "transparent background; they were drawn to sit on light grey (224, 224, 224)\n"
           "or white.\n\n";
    for (const GalleryItem& item : galleryItems()) {
        out << QStringLiteral("%1 item%2.png %3x%4 %5 %6\n")
                   .arg(item.number)
                   .arg(item.number, 2, 10, QLatin1Char('0'))
                   .arg(item.width)
                   .arg(item.height)
                   .arg(item.page, item.what);
    }
    return out.status() == QTextStream::Ok;
}

} // namespace

bool writeAll(const QString& dir) {
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= savePng(icon(size), QStringLiteral("%1/icon/tagloom-%2.png").arg(dir).arg(size));
    ok &= savePng(logo(), dir + QStringLiteral("/logo.png"));

    ok &= savePng(skinDefault(), dir + QStringLiteral("/skins/skin1.png"));
    ok &= savePng(skinLightWave(), dir + QStringLiteral("/skins/skin2.png"));
    ok &= savePng(skinHorizonBlue(), dir + QStringLiteral("/skins/skin3.png"));
    ok &= savePng(skinAnimalFarm(), dir + QStringLiteral("/skins/skin4.png"));
    ok &= savePng(skinBattleField(), dir + QStringLiteral("/skins/skin5.png"));

    ok &= savePng(viewerBackground(408), dir + QStringLiteral("/backgrounds/viewer.png"));
    ok &= savePng(viewerBackground(450), dir + QStringLiteral("/backgrounds/viewer-tall.png"));
    ok &= savePng(myScriptsBackground(), dir + QStringLiteral("/backgrounds/myscripts.png"));
    ok &= savePng(helpBackground(), dir + QStringLiteral("/backgrounds/help.png"));

    for (const GalleryItem& item : galleryItems())
        ok &= savePng(galleryPicture(item), QStringLiteral("%1/gallery/item%2.png")
                                                .arg(dir)
                                                .arg(item.number, 2, 10, QLatin1Char('0')));
    ok &= writeGalleryReadme(dir + QStringLiteral("/gallery/README.md"));
    return ok;
}

} // namespace draw
