// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/galleryitems.h"

#include <QCoreApplication>

namespace {

struct Row {
    int page;
    int number;
    const char* label;
    const char* pageName;
    int width;
    int height;
};

// The label names do not follow the item order; each keeps its own.
const Row kRows[] = {
    {0, 1, "lblD", "images1", 27, 12},       {0, 2, "Label27", "images2", 44, 12},
    {0, 3, "Label34", "images3", 51, 12},    {0, 4, "Label33", "images4", 30, 14},
    {0, 5, "Label32", "images5", 12, 11},    {0, 6, "Label31", "images6", 14, 10},
    {0, 7, "Label30", "images7", 11, 11},    {0, 8, "Label29", "images8", 32, 18},
    {0, 9, "Label28", "images9", 12, 11},    {0, 10, "Label35", "images10", 12, 11},
    {0, 11, "Label39", "images11", 16, 16},  {0, 12, "Label38", "images12", 15, 15},
    {1, 13, "Label37", "images13", 15, 15},  {1, 14, "Label36", "images14", 43, 35},
    {1, 15, "Label40", "images15", 43, 40},  {1, 16, "Label44", "images16", 29, 30},
    {1, 17, "Label43", "images17", 24, 24},  {1, 18, "Label42", "images18", 32, 32},
    {1, 19, "Label41", "images19", 20, 14},  {1, 20, "Label45", "images20", 32, 32},
    {2, 1, "Label1", "bullets1", 14, 14},    {2, 2, "Label22", "bullets2", 14, 14},
    {2, 3, "Label23", "bullets3", 14, 14},   {2, 4, "Label24", "bullets4", 14, 14},
    {2, 5, "Label48", "bullets5", 17, 16},   {2, 6, "Label50", "bullets6", 12, 12},
    {2, 7, "Label51", "bullets7", 12, 12},   {2, 8, "Label52", "bullets8", 12, 12},
    {2, 9, "Label57", "bullets9", 15, 14},   {2, 10, "Label56", "bullets10", 20, 20},
    {2, 11, "Label60", "bullets11", 20, 19}, {2, 12, "Label61", "bullets12", 25, 25},
    {3, 13, "Label65", "bullets13", 20, 18}, {3, 14, "Label66", "bullets14", 14, 12},
    {3, 15, "Label64", "bullets15", 16, 14}, {3, 16, "Label70", "bullets16", 11, 10},
    {3, 17, "Label73", "bullets17", 11, 10}, {3, 18, "Label74", "bullets18", 11, 10},
    {3, 19, "Label75", "bullets19", 11, 10}, {3, 20, "Label72", "bullets20", 11, 10},
    {4, 1, "Label82", "dividers1", 400, 10}, {4, 2, "Label83", "dividers2", 401, 9},
    {4, 3, "Label84", "dividers3", 401, 18}, {4, 4, "Label85", "dividers4", 407, 6},
    {4, 5, "Label81", "dividers5", 405, 4},  {4, 6, "Label80", "dividers6", 405, 4},
};

} // namespace

QString GalleryItem::address(const QString& baseUrl) const {
    return baseUrl + QStringLiteral("/tagloom/icons/") + pageName + QStringLiteral(".htm");
}

namespace Gallery {

const QList<GalleryItem>& items() {
    static const QList<GalleryItem> all = [] {
        QList<GalleryItem> list;
        int picture = 0;
        for (const Row& row : kRows) {
            ++picture;
            list.append({row.page, row.number, QString::fromLatin1(row.label),
                         QString::fromLatin1(row.pageName), QSize(row.width, row.height),
                         QStringLiteral(":/assets/gallery/item%1.png")
                             .arg(picture, 2, 10, QLatin1Char('0'))});
        }
        return list;
    }();
    return all;
}

QString tabCaption(int page) {
    static const char* const captions[PageCount] = {
        QT_TRANSLATE_NOOP("Gallery", "Icons 1"), QT_TRANSLATE_NOOP("Gallery", "Icons 2"),
        QT_TRANSLATE_NOOP("Gallery", "Bullets 1"), QT_TRANSLATE_NOOP("Gallery", "Bullets 2"),
        QT_TRANSLATE_NOOP("Gallery", "Dividers")};
    return page >= 0 && page < PageCount ? QCoreApplication::translate("Gallery", captions[page])
                                         : QString();
}

QString tabKey(int page) {
    static const char* const keys[PageCount] = {"icon1", "icon2", "bullet1", "bullet2", "divider"};
    return page >= 0 && page < PageCount ? QString::fromLatin1(keys[page]) : QString();
}

} // namespace Gallery
