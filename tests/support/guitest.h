// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Base of every test that opens windows. Each test function must close or delete every
// top-level window it opened (TestProgram deletes what the program opened): one left behind
// fails that test by name and is then deleted, so the next test starts clean.
// Subclasses put their per-test set-up and tear-down in setUp() and tearDown(), not in
// init()/cleanup() slots of their own, which would hide the check.
class GuiTest : public QObject {
    Q_OBJECT
public:
    // Top-level windows that are not Qt's own passing popups, oldest first.
    static QList<QWidget*> openWindows();

protected:
    virtual void setUp() {}
    virtual void tearDown() {}

private slots:
    void init();
    void cleanup();

private:
    QList<QPointer<QWidget>> m_before;
};

// The menu's action of that object name, or nullptr.
inline QAction* actionNamed(QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}
