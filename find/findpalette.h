// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/searchindex.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
struct AppContext;

// The Find Script palette: type a few letters, move with Up and Down, open with Enter, leave
// with Esc. Rows open what a double-click on that title in frmMain would.
class FindPalette final : public QWidget {
    Q_OBJECT
public:
    using IndexSource = std::function<SearchIndex&()>;

    FindPalette(AppContext& context, IndexSource index, QWidget* parent = nullptr);

    QLineEdit* searchField() const { return m_field; }
    QListWidget* results() const { return m_results; }
    // The hits behind the rows, in row order.
    const QList<SearchIndex::Hit>& hits() const { return m_hits; }

    void openCurrent();

    static constexpr int MaxRows = 50;
    enum Role { TitleRole = Qt::UserRole + 1, TitleMarksRole, DetailRole, DetailMarksRole };

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readUserEntries();
    void runSearch(const QString& text);

    AppContext& m_context;
    IndexSource m_index;
    QLineEdit* m_field = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_status = nullptr;
    QList<SearchIndex::Hit> m_hits;
};
