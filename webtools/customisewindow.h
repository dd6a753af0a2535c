// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/customisedentry.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class EntryViewCommands;
class PreviewPane;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Customise...": one field per setting of an entry, labelled from its comment; the entry's
// code boxes with the values written in; and a live, sandboxed preview of the sample page.
class CustomiseWindow final : public QWidget {
    Q_OBJECT
public:
    // preview is taken over (made a child of this window).
    CustomiseWindow(const ScriptEntry& entry, PreviewPane* preview, const QString& siteFolder,
                    QWidget* parent = nullptr);

    const CustomisedEntry& entry() const { return m_entry; }
    PreviewPane* preview() const { return m_preview; }
    const QList<QPlainTextEdit*>& codeBoxes() const { return m_codeBoxes; }
    // The field of setting index (a spin box, line, check box, colour button, list or
    // read-only box).
    QWidget* field(int index) const { return m_fields.value(index); }
    int settingIndex(const QString& name) const;

    // Every block, customised, as one text (what "Copy All Blocks" copies).
    QString allBlocks() const;

    // How long the preview waits after the last change before it shows the page again.
    static constexpr int kPreviewDelayMs = 150;

public slots:
    void resetToDefaults();
    void copyAllBlocks();
    // Shows the current code in the preview now.
    void refreshPreview();

private:
    QWidget* makeField(int index);
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
};
