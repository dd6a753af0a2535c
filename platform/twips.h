// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is designed in twips: 1440 per inch, 15 per pixel at 96 dpi.
namespace Twips {

constexpr int perPixel = 15;

// Rounds to the nearest pixel, half away from zero, so negative positions mirror positive ones.
constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

constexpr int fromPixels(int pixels) {
    return pixels * perPixel;
}

inline QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height) {
    return QSize(toPixels(width), toPixels(height));
}

inline QPoint point(int left, int top) {
    return QPoint(toPixels(left), toPixels(top));
}

} // namespace Twips
