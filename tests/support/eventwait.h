// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <functional>

// Runs the event loop until `ready` holds or `timeoutMs` pass. Unlike QTest::qWaitFor it never
// sleeps between checks: the browser engine runs its own tasks on this thread, and a sleep holds
// up every one of them (a page's dialogs and script answers most of all).
inline bool waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the loop to look again even when nothing else happens
    tick.start(20);
    while (!ready()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
