// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/customisedentry.h"
#include "model/pagesnippet.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class EntryViewCommands;
class PageInsertionCommands;
class PreviewPane;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Customise...": one field per setting of an entry, labelled from its comment; the entry's
// code boxes with the values written in; and a live, sandboxed preview of the sample page.
class CustomiseWindow final : public QWidget {
    Q_OBJECT
public:
    // preview is taken over (made a child of this window). pages puts the customised code
    // into the user's page; without it (the benchmark) the window does not offer that.
    CustomiseWindow(const ScriptEntry& entry, PreviewPane* preview, const QString& siteFolder,
                    PageInsertionCommands* pages, QWidget* parent = nullptr);

    const CustomisedEntry& entry() const { return m_entry; }
    PreviewPane* preview() const { return m_preview; }
    const QList<QPlainTextEdit*>& codeBoxes() const { return m_codeBoxes; }
    // The field of setting index (a spin box, line, check box, colour button, list or
    // read-only box).
    QWidget* field(int index) const { return m_fields.value(index); }
    int settingIndex(const QString& name) const;

    // Every block, customised, as one text (what "Copy All Blocks" copies).
    QString allBlocks() const;
    // What "Put into My Page..." puts in: the customised code under the entry's own title.
    PageSnippet pageSnippet() const;

    // How long the preview waits after the last change before it shows the page again.
    static constexpr int kPreviewDelayMs = 150;

public slots:
    void resetToDefaults();
    void copyAllBlocks();
    // Shows the current code in the preview now.
    void refreshPreview();
    // The code as it stands, including a number still being typed, into the user's page.
    void putIntoPage();
    void removeFromPage();

private:
    QWidget* makeSettingsPart(QWidget* parent);
    QWidget* makeForm(QWidget* parent);
    QWidget* makeCodePart(QWidget* parent);
    QDialogButtonBox* makeButtons(QWidget* parent);
    void addPageCommands(QDialogButtonBox* buttons);
    QWidget* makeField(int index);
    QWidget* makeNumberField(int index);
    QWidget* makeColourField(int index);
    QWidget* makeListField(int index);
    QWidget* makeReadOnlyField(int index);
    void commitTyping();
    void changed(int index, const QVariant& value);
    void showValue(int index);
    void updateCode();
    QString baseAddress() const;

    CustomisedEntry m_entry;
    QString m_siteFolder;
    PreviewPane* m_preview = nullptr;
    QList<QWidget*> m_fields;
    QList<QPlainTextEdit*> m_codeBoxes;
    QList<int> m_codeBlocks; // the block each code box shows
    QTimer m_previewDelay;
    EntryViewCommands* m_commands = nullptr;
    QPointer<PageInsertionCommands> m_pages;
};
