// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>

// One graphic of the web elements gallery.
struct GalleryItem {
    int page = 0;      // 0 "Icons 1", 1 "Icons 2", 2 "Bullets 1", 3 "Bullets 2", 4 "Dividers"
    int number = 0;    // within its set: icons and bullets 1-20, dividers 1-6
    QString labelName; // the "Download" label's name
    QString pageName;  // its download page, without ".htm"
    QSize size;        // the preview picture in pixels
    QString picture;   // resource path of the preview

    // Address of the download page under the web site's base address.
    QString address(const QString& baseUrl) const;
};

namespace Gallery {

constexpr int PageCount = 5;

// All 46 items, icons, then bullets, then dividers, each in number order.
const QList<GalleryItem>& items();

// The tab captions and keys, in tab order.
QString tabCaption(int page);
QString tabKey(int page);

} // namespace Gallery
