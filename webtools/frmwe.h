// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/linklabel.h"

#include <QLabel>
#include <QList>
#include <QWidget>

class QFrame;
class QTabBar;
struct AppContext;
struct GalleryItem;

// The gallery's link style: bold blue, "Download" labels underlined.
class GalleryLink final : public LinkLabel {
    Q_OBJECT
public:
    GalleryLink(const QString& text, bool underlined, QWidget* parent);
};

// The web elements gallery: five tabbed pages of small graphics, each with a "Download" link
// to its page on the web site.
class frmWE final : public QWidget {
    Q_OBJECT
public:
    explicit frmWE(AppContext& context, QWidget* parent = nullptr);

    static QSize designedClientSize();

    void Form_Load();
    void TabStrip1_Click();

    QTabBar* TabStrip1() const { return m_tabStrip; }
    QFrame* ChoiceFrame(int index) const { return m_frames.value(index); }
    // The tab (1 to 5) whose page is showing.
    int currentTab() const { return m_current; }
    // In the order of Gallery::items().
    GalleryLink* downloadLabel(int item) const { return m_downloads.value(item); }
    QLabel* preview(int item) const { return m_previews.value(item); }
    QLabel* numberLabel(int item) const { return m_numbers.value(item); }
    // Label86 to Label90, one per page.
    GalleryLink* backLabel(int page) const { return m_backs.value(page); }

private:
    void buildPage(int page);
    void addItem(QFrame* frame, int index, const GalleryItem& item, int column, int row);
    void addDivider(QFrame* frame, int index, const GalleryItem& item);
    void download(int index);
    void back();

    AppContext& m_context;
    QTabBar* m_tabStrip = nullptr;
    QList<QFrame*> m_frames;
    QList<GalleryLink*> m_downloads;
    QList<QLabel*> m_previews;
    QList<QLabel*> m_numbers;
    QList<GalleryLink*> m_backs;
    int m_current = 1;
};
