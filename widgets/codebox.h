// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

#include <functional>

class QMenu;

// A multi-line text box whose Tab key moves the focus and never types a tab, even when
// there is nowhere else for the focus to go. Its context menu is the usual one plus whatever
// the window adds, and the window's own shortcuts win over the box's editing keys.
class CodeBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeBox(QWidget* parent = nullptr);

    using MenuExtender = std::function<void(QMenu* menu)>;
    void setMenuExtender(MenuExtender extender) { m_extendMenu = std::move(extender); }
    // The context menu as the user would get it; the caller owns it.
    QMenu* createContextMenu();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    MenuExtender m_extendMenu;
};
