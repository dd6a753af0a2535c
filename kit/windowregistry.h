// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Every window of the program exists at most once. show(name) creates a window on first use
// and only brings an open one to the front. Hiding keeps a window's state; closing destroys it.
class WindowRegistry final : public QObject {
    Q_OBJECT
public:
    enum class Placement {
        FrameChild, // borderless child of the frame, at the client area's top-left corner
        TopLevel    // a window of its own; the factory sets its flags and position
    };
    using Factory = std::function<QWidget*()>;
    using NamedFactory = std::function<QWidget*(const QString& name)>;

    explicit WindowRegistry(QObject* parent = nullptr);
    ~WindowRegistry() override;

    void setMdiArea(QMdiArea* area) { m_mdiArea = area; }
    QMdiArea* mdiArea() const { return m_mdiArea; }

    void registerWindow(const QString& name, Placement placement, Factory factory);
    // Asked for names nobody registered (the catalogue's viewer windows); returns nullptr
    // for names it does not know. Its windows are top-level.
    void setFallbackFactory(NamedFactory factory) { m_fallback = std::move(factory); }

    // The names registered one by one (the fallback's windows are not listed).
    QStringList registeredNames() const;
    // The open window of that name, or nullptr.
    QWidget* find(const QString& name) const;
    // Creates or raises; nullptr when no window of that name can be made.
    QWidget* show(const QString& name);

    // Act on a window whether it is a frame child (inside its sub-window) or top-level.
    static void hideWindow(QWidget* window);
    static void closeWindow(QWidget* window);
    static void raiseWindow(QWidget* window);
    static QMdiSubWindow* subWindowOf(QWidget* window);

signals:
    void windowCreated(const QString& name, QWidget* window);

private:
    struct Registration {
        Placement placement = Placement::TopLevel;
        Factory factory;
    };
    QWidget* create(const QString& name);

    QMdiArea* m_mdiArea = nullptr;
    QHash<QString, Registration> m_registrations;
    NamedFactory m_fallback;
    QHash<QString, QPointer<QWidget>> m_open;
};
