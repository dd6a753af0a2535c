// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/uifonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QtMath>

namespace UiFonts {

namespace {
QString g_family;
bool g_boldRegistered = false;

// The bold face is registered on the first request for a bold font: the first window has no
// bold text, and registering a face costs a few milliseconds of start-up.
void registerBold() {
    if (g_boldRegistered || g_family.isEmpty())
        return;
    g_boldRegistered = true;
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
}
} // namespace

void install() {
    if (!g_family.isEmpty())
        return;
    const int regular =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    g_family = families.isEmpty() ? QStringLiteral("Sans Serif") : families.first();
    QApplication::setFont(font(8.25));
}

QString family() {
    return g_family.isEmpty() ? QStringLiteral("Liberation Sans") : g_family;
}

QFont font(qreal points, bool bold) {
    if (bold)
        registerBold();
    QFont f(family());
    f.setPixelSize(qRound(points * 96.0 / 72.0));
    f.setBold(bold);
    // The window layouts were designed for a bitmap face about 5% narrower than this one.
    f.setStretch(95);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace UiFonts
