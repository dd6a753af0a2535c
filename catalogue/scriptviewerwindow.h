// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"
#include "widgets/linklabel.h"

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class EntryViewCommands;
struct AppContext;

// The window that shows one catalogue entry: its description, a code box under each
// placement instruction, the sample page link and, for three entries, an extra button.
class ScriptViewerWindow final : public QWidget {
    Q_OBJECT
public:
    ScriptViewerWindow(const ScriptEntry& entry, AppContext& context, QWidget* parent = nullptr);

    const QString& formName() const { return m_formName; }
    // The code boxes from top to bottom.
    const QList<QPlainTextEdit*>& codeBoxes() const { return m_codeBoxes; }
    LinkLabel* link() const { return m_link; }
    QPushButton* extraButton() const { return m_extraButton; }
    EntryViewCommands* commands() const { return m_commands; }

    // The background picture every viewer shares (a taller one for a few image entries).
    static QString backgroundFor(const QString& formName);

public slots:
    void Label2_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addLabel(const QString& name, const QString& text, const QFont& font, QRect twips,
                     bool wrap);
    void openExtraWindow();

    AppContext& m_context;
    QString m_formName;
    QString m_extraWindow;
    QPixmap m_background;
    QList<QPlainTextEdit*> m_codeBoxes;
    LinkLabel* m_link = nullptr;
    QLineEdit* m_address = nullptr;
    QPushButton* m_extraButton = nullptr;
    EntryViewCommands* m_commands = nullptr;
};
