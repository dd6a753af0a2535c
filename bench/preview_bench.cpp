// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark (not a test): in the Customise window, the time from a changed setting to the
// preview showing the changed page, painted. Reports the median over several changes.
#include "platform/appfolder.h"

#include "webtools/customisewindow.h"
#include "webtools/previewpane.h"
#include "webtools/previewtools.h"
#include "webtools/webplugin.h"

#include "model/catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

// True once the page has drawn two frames since it was asked.
bool waitForPaint(PreviewPane* pane) {
    auto painted = std::make_shared<bool>(false);
    pane->view()->runScript(
        QStringLiteral("window.__tlPainted = 0; requestAnimationFrame(function () {"
                       " requestAnimationFrame(function () { window.__tlPainted = 1; }); }); 0"),
        nullptr);
    return QTest::qWaitFor(
        [&] {
            pane->view()->runScript(QStringLiteral("window.__tlPainted === 1"),
                                    [painted](const QVariant& v) { *painted = v.toBool(); });
            QTest::qWait(2);
            return *painted;
        },
        10000);
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly)
               ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
               : QStringLiteral("?");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;

    const Catalogue catalogue;
    const ScriptEntry* entry = catalogue.entry(QStringLiteral("frmRedirect2"));
    PreviewTools tools(WebPlugin::defaultFile(), AppFolder::path() + QStringLiteral("/site"));
    tools.customise(*entry, nullptr);
    auto* window =
        qobject_cast<CustomiseWindow*>(tools.windowFor(QStringLiteral("customise:frmRedirect2")));
    if (!window || !window->preview()->view()) {
        out << "the preview could not be opened\n";
        return 1;
    }
    PreviewPane* pane = window->preview();
    QSignalSpy firstLoad(pane, &PreviewPane::pageLoaded);
    firstLoad.wait(30000);
    auto* line =
        qobject_cast<QLineEdit*>(window->field(window->settingIndex(QStringLiteral("message"))));

    QList<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QSignalSpy loaded(pane, &PreviewPane::pageLoaded);
        const QString text = QStringLiteral("Changed message number %1").arg(i);
        QElapsedTimer clock;
        clock.start();
        line->setText(text);
        emit line->textEdited(text);
        if (!loaded.wait(30000) || !waitForPaint(pane)) {
            out << "run " << i << " did not finish\n";
            return 1;
        }
        times.append(clock.elapsed());
    }
    std::sort(times.begin(), times.end());
    out << "change to repainted preview (ms), " << runs << " runs, debounce "
        << CustomiseWindow::kPreviewDelayMs << " ms: median " << times.at(times.size() / 2)
        << ", min " << times.first() << ", max " << times.last() << "; load average "
        << loadAverage() << '\n';
    window->close();
    return 0;
}
