// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real display (a private Xvfb, xcb platform): what it loads by the time
// its window is on screen and no web window has been opened.
#include "xsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

class TestStartupDisplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noOpenGlDriverNorWebEngineUntilAWebWindowOpens();

private:
    PrivateXServer m_server;
};

void TestStartupDisplay::initTestCase() {
    if (PrivateXServer::program().isEmpty())
        QSKIP("Xvfb is not installed (Debian package xvfb): the start-up on a real display "
              "cannot be checked here");
    QString why;
    QVERIFY2(m_server.start(&why), qPrintable(why));
}

void TestStartupDisplay::noOpenGlDriverNorWebEngineUntilAWebWindowOpens() {
    QTemporaryDir home;
    QProcessEnvironment env = m_server.environment(QProcessEnvironment::systemEnvironment());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "HOME"}) {
        const QString dir = home.filePath(QString::fromLatin1(name));
        QVERIFY(QDir().mkpath(dir));
        env.insert(QString::fromLatin1(name), dir);
    }

    WindowWatch watch(m_server.display());
    QVERIFY(watch.isValid());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(TAGLOOM_PROGRAM), {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const WindowWatch::Sighting seen = watch.waitForPaintedWindow(clock, 60000);
    QVERIFY2(seen.paintedNs >= 0, "the program's window did not appear on the display");
    // Give anything started after the first frame time to load.
    QTest::qWait(1000);
    QCOMPARE(program.state(), QProcess::Running);
    const LoadedLibraries loaded = graphicsLibraries(program.processId());
    program.kill();
    program.waitForFinished();
    QVERIFY2(!loaded.openGl, qPrintable(QStringLiteral("OpenGL driver loaded at start-up: ") +
                                        loaded.names.join(QLatin1String(", "))));
    QVERIFY2(!loaded.webEngine, qPrintable(QStringLiteral("web engine loaded at start-up: ") +
                                           loaded.names.join(QLatin1String(", "))));
}

QTEST_GUILESS_MAIN(TestStartupDisplay)
#include "tst_startupdisplay.moc"
