// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, driven as a user would on a real display, printing timings as words.
//   web      click the quick browser's button until the home page of the offline site is on
//            screen, once fresh and then five times after closing it; the memory it added
//   viewers  open and close every catalogue viewer in turn: request until painted, memory
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/programmain.h"
#include "webtools/frmbrowser.h"
#include "webtools/webwindowfactory.h"

#include "kit/windowregistry.h"
#include "model/catalogueindex.h"
#include "xsession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

QTextStream out(stdout);

double mb(qint64 kb) {
    return double(kb) / 1024.0;
}

qint64 selfKb() {
    return residentKb(QCoreApplication::applicationPid());
}

// The banner at the top of every page of the offline site.
bool showsSiteBanner(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - 0x2d) <= 6 && qAbs(c.green() - 0x4f) <= 6 &&
                qAbs(c.blue() - 0x73) <= 6)
                return true;
        }
    return false;
}

// Milliseconds from the click until the view's top-left corner shows the page on screen.
double openQuickBrowser(Application& app, QPushButton* button) {
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    while (clock.elapsed() < 60000) {
        auto* browser =
            qobject_cast<frmBrowser*>(app.context().windows->find(QStringLiteral("frmBrowser")));
        QWidget* view = browser ? browser->WebBrowser1()->widget() : nullptr;
        if (view && view->isVisible()) {
            const QPoint corner = view->mapToGlobal(QPoint(2, 2));
            const QPixmap shot = view->screen()->grabWindow(0, corner.x(), corner.y(), 48, 12);
            if (showsSiteBanner(shot.toImage()))
                return double(clock.nsecsElapsed()) / 1e6;
        }
        QTest::qWait(2);
    }
    return -1;
}

int web(Application& app) {
    auto* button = app.mainWindow()->findChild<QPushButton*>(QStringLiteral("cmdbrowser"));
    if (!button)
        return 1;
    const qint64 before = selfKb();
    const double first = openQuickBrowser(app, button);
    QTest::qWait(2000); // let the engine settle before reading its memory
    qint64 helpers = 0;
    for (qint64 pid : descendants(QCoreApplication::applicationPid()))
        helpers += residentKb(pid);
    out << "first_ms=" << first << " program_mb=" << mb(selfKb() - before)
        << " helpers_mb=" << mb(helpers) << Qt::endl;
    for (int run = 0; run < 5; ++run) {
        QPointer<QWidget> browser = app.context().windows->find(QStringLiteral("frmBrowser"));
        WindowRegistry::closeWindow(browser);
        for (int waited = 0; browser && waited < 10000; waited += 10)
            QTest::qWait(10);
        if (browser)
            return 1;
        QTest::qWait(300);
        out << "reopen_ms=" << openQuickBrowser(app, button) << Qt::endl;
    }
    return first < 0 ? 1 : 0;
}

// Waits until the window has painted once.
class PaintWait final : public QObject {
public:
    explicit PaintWait(QWidget* window) { window->installEventFilter(this); }
    bool wait() {
        QTimer::singleShot(10000, &m_loop, &QEventLoop::quit);
        if (!m_painted)
            m_loop.exec();
        return m_painted;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Leave once this paint (and the flush to the screen after it) is done.
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return false;
    }

private:
    QEventLoop m_loop;
    bool m_painted = false;
};

// Opens and closes every viewer once; the request-to-painted times, or an empty list on failure.
QList<double> openAndCloseAllViewers(WindowRegistry* windows) {
    QList<double> times;
    for (const CatalogueIndex::Title& title : CatalogueIndex::titles()) {
        QElapsedTimer clock;
        clock.start();
        QPointer<QWidget> viewer = windows->show(title.window);
        if (!viewer)
            return {};
        PaintWait painted(viewer);
        if (!painted.wait())
            return {};
        times.append(double(clock.nsecsElapsed()) / 1e6);
        WindowRegistry::closeWindow(viewer);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (viewer)
            return {};
    }
    return times;
}

// Resident memory once the heap has handed back what it can.
qint64 settledKb() {
    QTest::qWait(500);
    malloc_trim(0);
    return selfKb();
}

int viewers(Application& app) {
    WindowRegistry* windows = app.context().windows;
    QTest::qWait(500);
    const qint64 before = selfKb();
    QElapsedTimer total;
    total.start();
    QList<double> times = openAndCloseAllViewers(windows);
    const double totalMs = double(total.nsecsElapsed()) / 1e6;
    if (times.isEmpty())
        return 1;
    QTest::qWait(500);
    const qint64 after = selfKb();
    const qint64 trimmed = settledKb();
    // A second round: what stays for good (caches) shows after the first, a leak grows again.
    if (openAndCloseAllViewers(windows).isEmpty())
        return 1;
    const qint64 again = settledKb();
    std::sort(times.begin(), times.end());
    out << "count=" << times.size() << " viewer_ms=" << times.at(times.size() / 2)
        << " max_ms=" << times.last() << " total_ms=" << totalMs << " before_mb=" << mb(before)
        << " after_mb=" << mb(after) << " trimmed_mb=" << mb(trimmed)
        << " second_round_mb=" << mb(again) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode != QLatin1String("web") && mode != QLatin1String("viewers")) {
        std::fprintf(stderr, "usage: tagloom_window_probe web|viewers\n");
        return 2;
    }
    return tagloomMain(argc, argv, [mode](Application& app) {
        QTimer::singleShot(500, [&app, mode] {
            const int status = mode == QLatin1String("web") ? web(app) : viewers(app);
            out.flush();
            std::fflush(stdout);
            _exit(status);
        });
    });
}
