// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI test base must fail exactly the test that leaves a window open, and clean up after it
// so the tests that follow are not blamed. It runs a small suite of its own and judges the
// outcome; the one FAIL that suite prints is the expected one.
#include "support/guitest.h"

#include <QApplication>
#include <QMenu>
#include <QtTest>

class WindowHabits : public GuiTest {
    Q_OBJECT
private slots:
    void deletesItsWindow() {
        auto* window = new QWidget;
        window->show();
        delete window;
    }
    void closesAWindowThatDeletesItself() {
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(window->close());
    }
    void leavesAHiddenWindow() {
        auto* window = new QWidget;
        window->setObjectName(QStringLiteral("forgotten"));
    }
    void opensAPopupMenuOfAWindowItDeletes() {
        QWidget owner;
        auto* menu = new QMenu(&owner);
        menu->popup(QPoint(0, 0));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowHabits habits;
    const int failed = QTest::qExec(&habits, QStringList{QCoreApplication::arguments().first()});
    const bool cleaned = GuiTest::openWindows().isEmpty();
    if (failed != 1 || !cleaned) {
        qCritical("expected exactly one failed test and no window left; got %d failed, %s", failed,
                  cleaned ? "no window left" : "windows left");
        return 1;
    }
    qInfo("the leak was reported and cleaned up; the other tests passed");
    return 0;
}

#include "tst_guitest.moc"
