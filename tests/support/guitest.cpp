// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/guitest.h"

#include <QApplication>
#include <QtTest>

namespace {

QString describe(const QWidget* window) {
    QString text = QString::fromLatin1(window->metaObject()->className());
    if (!window->objectName().isEmpty())
        text += QLatin1Char(' ') + window->objectName();
    if (!window->windowTitle().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(window->windowTitle());
    return text + (window->isVisible() ? QStringLiteral(" (shown)") : QStringLiteral(" (hidden)"));
}

} // namespace

QList<QWidget*> GuiTest::openWindows() {
    QList<QWidget*> windows;
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* window : all) {
        // Popups and tool tips belong to a parent or to Qt, which hides and reuses them.
        if (window->parentWidget() || window->inherits("QTipLabel") ||
            window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        windows.append(window);
    }
    return windows;
}

void GuiTest::init() {
    m_before.clear();
    for (QWidget* window : openWindows())
        m_before.append(window);
    setUp();
}

void GuiTest::cleanup() {
    tearDown();
    // Windows closed with WA_DeleteOnClose are gone once their deferred deletion runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    QList<QPointer<QWidget>> leaked;
    for (QWidget* window : openWindows()) {
        if (m_before.contains(window))
            continue;
        left.append(describe(window));
        leaked.append(window);
    }
    for (const QPointer<QWidget>& window : std::as_const(leaked))
        delete window.data();
    QVERIFY2(left.isEmpty(),
             qPrintable(QStringLiteral("windows left open: ") + left.join(QStringLiteral(", "))));
}
