// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/entryactions.h"
#include "model/entrydocument.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class CodeBox;
class EntryViewCommands;
struct AppContext;

// One entry at reading size: title, description and every block under its placement line at
// its full height in a monospace font, in a resizable window that remembers its size.
class LargeView final : public QWidget {
    Q_OBJECT
public:
    LargeView(const EntryDocument& document, AppContext* context, const EntryRef& entry,
              QWidget* parent = nullptr);

    const QList<CodeBox*>& codeBoxes() const { return m_codeBoxes; }
    EntryViewCommands* commands() const { return m_commands; }

    static QSize defaultSize() { return {760, 640}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void saveSize();

    AppContext* m_context;
    EntryViewCommands* m_commands = nullptr;
    QList<CodeBox*> m_codeBoxes;
    QTimer m_saveTimer;
};
