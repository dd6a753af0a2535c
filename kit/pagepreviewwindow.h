// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pageeditor.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

// Shows what putting a snippet into a page (or taking it out) would change before anything is
// written: the diff with a few lines of context, where code went when the page lacks the usual
// place, what the user must still do by hand, and the support files it can copy beside the
// page. "Insert" (or "Remove") hands the decision back to the commands, which write.
class PagePreviewWindow final : public QWidget {
    Q_OBJECT
public:
    struct Choices {
        bool copySupportFiles = false;
    };
    using Confirm = std::function<bool(const Choices& choices)>; // true: done, close
    using SaveNewPage = std::function<void(int index)>;

    PagePreviewWindow(const PageEditor::Preview& preview, const QStringList& supportMissing,
                      const QStringList& supportPresent, QWidget* parent = nullptr);

    void onConfirm(Confirm confirm) { m_confirm = std::move(confirm); }
    void onSaveNewPage(SaveNewPage save) { m_saveNewPage = std::move(save); }

    QPushButton* confirmButton() const { return m_confirmButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QTextEdit* diffView() const { return m_diff; }

    static QString diffHtml(const QString& diff);

private:
    void confirm();

    Confirm m_confirm;
    SaveNewPage m_saveNewPage;
    QTextEdit* m_diff = nullptr;
    QCheckBox* m_supportFiles = nullptr;
    QPushButton* m_confirmButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
