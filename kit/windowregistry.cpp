// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/windowregistry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

WindowRegistry::WindowRegistry(QObject* parent)
    : QObject(parent) {}

WindowRegistry::~WindowRegistry() = default;

void WindowRegistry::registerWindow(const QString& name, Placement placement, Factory factory) {
    m_registrations.insert(name, Registration{placement, std::move(factory)});
}

QStringList WindowRegistry::registeredNames() const {
    QStringList names = m_registrations.keys();
    names.sort();
    return names;
}

QWidget* WindowRegistry::find(const QString& name) const {
    return m_open.value(name).data();
}

QMdiSubWindow* WindowRegistry::subWindowOf(QWidget* window) {
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

QWidget* WindowRegistry::create(const QString& name) {
    QWidget* window = nullptr;
    Placement placement = Placement::TopLevel;
    const auto it = m_registrations.constFind(name);
    if (it != m_registrations.constEnd()) {
        window = it->factory ? it->factory() : nullptr;
        placement = it->placement;
    } else if (m_fallback) {
        window = m_fallback(name);
    }
    if (!window)
        return nullptr;
    if (window->objectName().isEmpty())
        window->setObjectName(name);

    if (placement == Placement::FrameChild && m_mdiArea) {
        auto* sub = new QMdiSubWindow(m_mdiArea, Qt::FramelessWindowHint);
        sub->setObjectName(name + QStringLiteral("_frame"));
        // Borderless, its title is never drawn, but a screen reader reads it out.
        if (window->windowTitle().isEmpty())
            sub->setWindowTitle(window->accessibleName());
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWidget(window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_mdiArea->addSubWindow(sub);
        sub->adjustSize();
        sub->move(0, 0);
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_open.insert(name, window);
    emit windowCreated(name, window);
    return window;
}

QWidget* WindowRegistry::show(const QString& name) {
    QWidget* window = find(name);
    if (!window)
        window = create(name);
    if (!window)
        return nullptr;
    raiseWindow(window);
    return window;
}

void WindowRegistry::hideWindow(QWidget* window) {
    if (!window)
        return;
    if (QMdiSubWindow* sub = subWindowOf(window))
        sub->hide();
    else
        window->hide();
}

void WindowRegistry::closeWindow(QWidget* window) {
    if (!window)
        return;
    if (QMdiSubWindow* sub = subWindowOf(window))
        sub->close();
    else
        window->close();
}

void WindowRegistry::raiseWindow(QWidget* window) {
    if (QMdiSubWindow* sub = subWindowOf(window)) {
        window->show();
        sub->show();
        sub->raise();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}
