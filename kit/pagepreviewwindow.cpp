// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/pagepreviewwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QString bulleted(const QStringList& items) {
    QString html = QStringLiteral("<ul style=\"margin-top:0; margin-left:-20px\">");
    for (const QString& item : items)
        html += QStringLiteral("<li>") + item.toHtmlEscaped() + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

} // namespace

QString PagePreviewWindow::diffHtml(const QString& diff) {
    QString html = QStringLiteral("<pre style=\"margin:0\">");
    const QStringList lines = diff.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        const QString text = line.toHtmlEscaped();
        if (line.startsWith(QLatin1String("@@")))
            html += QStringLiteral("<span style=\"color:#555555\">") + text +
                    QStringLiteral("</span>\n");
        else if (line.startsWith(QLatin1Char('+')))
            html += QStringLiteral("<span style=\"background:#d8f5d8; color:#004400\">") + text +
                    QStringLiteral("</span>\n");
        else if (line.startsWith(QLatin1Char('-')))
            html += QStringLiteral("<span style=\"background:#f8dada; color:#660000\">") + text +
                    QStringLiteral("</span>\n");
        else
            html += text + QLatin1Char('\n');
    }
    return html + QStringLiteral("</pre>");
}

PagePreviewWindow::PagePreviewWindow(const PageEditor::Preview& preview,
                                     const QStringList& supportMissing,
                                     const QStringList& supportPresent, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmPagePreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString verb =
        preview.removing ? QCoreApplication::translate("PagePreviewWindow", "Remove from My Page")
                         : QCoreApplication::translate("PagePreviewWindow", "Put into My Page");
    setWindowTitle(QStringLiteral("%1 - %2").arg(verb, preview.title));

    auto* layout = new QVBoxLayout(this);
    const PageChange& change = preview.change;
    auto* heading =
        new QLabel(QCoreApplication::translate(
                       "PagePreviewWindow",
                       "Changes to %1 (kept in %2, with its own line endings; lines with + are "
                       "added, lines with - taken out):")
                       .arg(QDir::toNativeSeparators(preview.path), change.encodingName),
                   this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    m_diff = new QTextEdit(this);
    m_diff->setObjectName(QStringLiteral("txtDiff"));
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QTextEdit::NoWrap);
    m_diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_diff->setTabChangesFocus(true);
    m_diff->setAccessibleName(
        QCoreApplication::translate("PagePreviewWindow", "Changes to the page"));
    m_diff->setHtml(diffHtml(change.diff()));
    heading->setBuddy(m_diff);
    layout->addWidget(m_diff, 1);

    QString notes;
    QStringList remarks = change.remarks;
    if (change.replacedEarlier)
        remarks.prepend(QCoreApplication::translate(
            "PagePreviewWindow", "The page already held this script; the earlier copy is "
                                 "replaced, not doubled."));
    if (!preview.removing && !preview.newPages.isEmpty())
        remarks.append(QCoreApplication::translate(
            "PagePreviewWindow", "Part of this script is a page of its own: use \"Save as "
                                 "New Page...\" for it."));
    if (!remarks.isEmpty())
        notes += QCoreApplication::translate("PagePreviewWindow", "<b>Please note:</b>") +
                 bulleted(remarks);
    if (!preview.byHand.isEmpty())
        notes += QCoreApplication::translate("PagePreviewWindow", "<b>Still to do by hand:</b>") +
                 bulleted(preview.byHand);
    if (!preview.removing && !preview.supportFiles.isEmpty())
        notes +=
            QCoreApplication::translate(
                "PagePreviewWindow", "<p><b>Files the script needs beside your page (upload them "
                                     "with it):</b> ") +
            preview.supportFiles.join(QStringLiteral(", ")).toHtmlEscaped() +
            QStringLiteral("</p>");
    auto* notesLabel = new QLabel(notes, this);
    notesLabel->setObjectName(QStringLiteral("lblNotes"));
    notesLabel->setWordWrap(true);
    notesLabel->setTextFormat(Qt::RichText);
    notesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notesLabel->setFocusPolicy(Qt::StrongFocus);
    notesLabel->setAccessibleName(QCoreApplication::translate("PagePreviewWindow", "Notes"));
    notesLabel->setVisible(!notes.isEmpty());
    layout->addWidget(notesLabel);

    if (!preview.removing && !supportMissing.isEmpty()) {
        m_supportFiles = new QCheckBox(
            QCoreApplication::translate("PagePreviewWindow",
                                        "&Copy %1 from the scripts folder beside the page")
                .arg(supportMissing.size() == 1
                         ? supportMissing.first()
                         : QCoreApplication::translate("PagePreviewWindow", "the %1 missing files")
                               .arg(supportMissing.size())),
            this);
        m_supportFiles->setObjectName(QStringLiteral("chkCopySupportFiles"));
        m_supportFiles->setChecked(true);
        layout->addWidget(m_supportFiles);
    }
    if (!preview.removing && !supportPresent.isEmpty()) {
        auto* present =
            new QLabel(QCoreApplication::translate("PagePreviewWindow",
                                                   "Already beside the page, left as they are: %1")
                           .arg(supportPresent.join(QStringLiteral(", "))),
                       this);
        present->setWordWrap(true);
        layout->addWidget(present);
    }

    auto* buttons = new QHBoxLayout;
    if (!preview.removing && !preview.newPages.isEmpty()) {
        auto* newPage = new QPushButton(
            QCoreApplication::translate("PagePreviewWindow", "&Save as New Page..."), this);
        newPage->setObjectName(QStringLiteral("cmdSaveNewPage"));
        connect(newPage, &QPushButton::clicked, this, [this] {
            if (m_saveNewPage)
                m_saveNewPage(0);
        });
        buttons->addWidget(newPage);
    }
    buttons->addStretch(1);
    m_confirmButton = new QPushButton(
        preview.removing ? QCoreApplication::translate("PagePreviewWindow", "&Remove")
                         : QCoreApplication::translate("PagePreviewWindow", "&Insert"),
        this);
    m_confirmButton->setObjectName(QStringLiteral("cmdConfirm"));
    m_confirmButton->setDefault(true);
    m_confirmButton->setAutoDefault(true);
    connect(m_confirmButton, &QPushButton::clicked, this, &PagePreviewWindow::confirm);
    m_cancelButton =
        new QPushButton(QCoreApplication::translate("PagePreviewWindow", "Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_confirmButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(760, 560);
    m_confirmButton->setFocus();
}

void PagePreviewWindow::confirm() {
    Choices choices;
    choices.copySupportFiles = m_supportFiles && m_supportFiles->isChecked();
    if (!m_confirm || m_confirm(choices))
        close();
}
