// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/hubwindow.h"

#include <QPixmap>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
struct AppContext;

// The hub: pick a category, double-click a title to open its window.
class frmMain final : public HubWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context, QWidget* parent = nullptr);

    static QSize designedClientSize();
    static constexpr int MyScriptsCategory = 16;

    // The doors other windows use.
    QComboBox* CmbCategories() const { return m_cmbCategories; }
    QListWidget* List1() const { return m_list1; }
    QString selectedRowText() const override;
    void appendRow(const QString& text) override;
    void reloadMyScripts() override;
    bool selectRow(const QString& text) override;

    // The menu bar that the frame shows while this window is active.
    QMenuBar* menuBar() const { return m_menuBar; }

    // The background picture (the current skin).
    void setSkinPicture(const QPixmap& picture) override;
    QPixmap skinPicture() const { return m_skin; }

    void Form_Load();
    void List1_DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildMainMenu();
    void buildToolsMenu();
    void buildHelpMenu();
    void CmbCategories_Click(int index);
    void Command1_Click();
    void cmdbrowser_Click();
    void showWindow(const QString& name);

    AppContext& m_context;
    QPixmap m_skin;
    QComboBox* m_cmbCategories = nullptr;
    QListWidget* m_list1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_cmdbrowser = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_image1 = nullptr;
    QMenuBar* m_menuBar = nullptr;
};
