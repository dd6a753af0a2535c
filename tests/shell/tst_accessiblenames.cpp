// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a user can reach must have a name a screen reader reads out. Walks every window
// of the program through QAccessible, as an assistive tool would see it.
#include "platform/uifonts.h"

#include "catalogue/secondarywindow.h"
#include "shell/application.h"
#include "shell/frmmain.h"
#include "shell/mdiformmain.h"

#include "kit/windowregistry.h"
#include "model/catalogueindex.h"
#include "support/testprogram.h"

#include <QAccessible>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

class TestAccessibleNames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void everyInteractiveControlIsNamed_data();
    void everyInteractiveControlIsNamed();
    void namesSayWhatTheControlIs();

private:
    static QStringList nameless(QWidget* window);
    std::unique_ptr<TestProgram> m_program;
};

void TestAccessibleNames::initTestCase() {
    UiFonts::install();
}

void TestAccessibleNames::cleanup() {
    m_program.reset();
}

QStringList TestAccessibleNames::nameless(QWidget* window) {
    static const QList<QAccessible::Role> interactive = {
        QAccessible::PushButton,     QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,       QAccessible::EditableText, QAccessible::List,
        QAccessible::Table,          QAccessible::Tree,         QAccessible::Link,
        QAccessible::Slider,         QAccessible::SpinBox,      QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::PageTabList};
    QStringList missing;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        if (qobject_cast<QMenu*>(widget))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        if (!iface)
            continue;
        const bool reachable = widget->focusPolicy() & Qt::TabFocus;
        if (!interactive.contains(iface->role()) && !(reachable && widget->isEnabled()))
            continue;
        if (iface->role() == QAccessible::ScrollBar || iface->role() == QAccessible::Client)
            continue;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            missing.append(QStringLiteral("%1 (%2, role %3)")
                               .arg(widget->objectName(),
                                    QString::fromLatin1(widget->metaObject()->className()))
                               .arg(int(iface->role())));
    }
    return missing;
}

void TestAccessibleNames::everyInteractiveControlIsNamed_data() {
    QTest::addColumn<QString>("window");
    TestProgram program;
    QStringList names = program.windows()->registeredNames();
    for (const CatalogueIndex::Title& title : CatalogueIndex::titles())
        names.append(title.window);
    for (const QString& name : std::as_const(names))
        QTest::newRow(qPrintable(name)) << name;
}

void TestAccessibleNames::everyInteractiveControlIsNamed() {
    QFETCH(QString, window);
    if (!m_program)
        m_program = std::make_unique<TestProgram>();
    if (window == QLatin1String("frmNewTemplate") || window == QLatin1String("frmCustom"))
        m_program->store.set(QStringLiteral("1Slot"), QStringLiteral("Name"),
                             QStringLiteral("Mine"));
    QWidget* shown = m_program->windows()->show(window);
    if (!shown)
        QSKIP("this window cannot open here (the web plugin is not available)");
    const QStringList missing = nameless(shown);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
    // The frame and frmMain are checked with the first row; every other window goes away.
    if (shown != m_program->main())
        WindowRegistry::closeWindow(shown);
    const QStringList inFrame = nameless(m_program->app->frame());
    QVERIFY2(inFrame.isEmpty(), qPrintable(inFrame.join(QStringLiteral("; "))));
}

void TestAccessibleNames::namesSayWhatTheControlIs() {
    m_program = std::make_unique<TestProgram>();
    auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(m_program->main()->List1()), QStringLiteral("Scripts"));
    QWidget* viewer = m_program->windows()->show(QStringLiteral("frmText2"));
    auto* box = viewer->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCOMPARE(
        name(box),
        QStringLiteral("Enter the following between the <HEAD> and </HEAD> tags of your page:"));
    auto* link = viewer->findChild<QWidget*>(QStringLiteral("Label2"));
    QVERIFY(name(link).startsWith(QStringLiteral("click here for sample page! (opens ")));
    QVERIFY(name(link).contains(QStringLiteral("TextEffects/")));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
