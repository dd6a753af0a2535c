#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QVector>

#include <functional>

namespace draw {

// The program's mark (tile, angle brackets and a weaving shuttle) at `size`
// pixels square, into `target`.
void paintMark(QPainter& p, const QRectF& target, int size);
QImage icon(int size);
QImage logo();

QImage skinDefault();
QImage skinLightWave();
QImage skinHorizonBlue();
QImage skinAnimalFarm();
QImage skinBattleField();

QImage viewerBackground(int height);
QImage myScriptsBackground();
QImage helpBackground();

struct GalleryItem {
    int number; // 1-46: 1-20 icons, 21-40 bullets, 41-46 dividers
    int width;
    int height;
    QString page; // the download page under /tagloom/icons/
    QString what; // one line for the README
    std::function<void(QPainter&, int w, int h)> paint;
};
const QVector<GalleryItem>& galleryItems();
QImage galleryPicture(const GalleryItem& item);

// Writes every picture (and the gallery README) below `assetsDir`.
bool writeAll(const QString& assetsDir);

} // namespace draw
