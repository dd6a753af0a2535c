// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pageeditor.h"

#include <QDir>
#include <QFileInfo>

PageEditor::PageEditor(PageFileAccess& files, QString scriptsFolder)
    : m_files(files)
    , m_scriptsFolder(std::move(scriptsFolder)) {}

bool PageEditor::namesFile(const QString& text, const QString& fileName) {
    if (text.contains(fileName))
        return true;
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    QString family = base;
    while (!family.isEmpty() && family.back().isDigit())
        family.chop(1);
    return family.size() < base.size() && family.size() >= 4 && text.contains(family) &&
           text.contains(QLatin1Char('.') + info.suffix());
}

PageEditor::Preview PageEditor::previewInsert(const QString& path,
                                              const PageSnippet& snippet) const {
    Preview preview;
    preview.path = path;
    preview.title = snippet.title;
    preview.byHand = snippet.byHand;
    preview.newPages = snippet.newPages;
    if (!m_scriptsFolder.isEmpty()) {
        for (const QString& name : m_files.fileNames(m_scriptsFolder)) {
            if (namesFile(snippet.mentions, name))
                preview.supportFiles.append(name);
        }
    }
    QByteArray bytes;
    if (!m_files.readPage(path, PageInsertion::kMaxPageBytes, &bytes, &preview.error))
        return preview;
    preview.change = PageInsertion::insert(bytes, snippet);
    preview.error = preview.change.error;
    return preview;
}

PageEditor::Preview PageEditor::previewRemove(const QString& path, const QString& title) const {
    Preview preview;
    preview.path = path;
    preview.title = title;
    preview.removing = true;
    QByteArray bytes;
    if (!m_files.readPage(path, PageInsertion::kMaxPageBytes, &bytes, &preview.error))
        return preview;
    preview.change = PageInsertion::remove(bytes, title);
    preview.error = preview.change.error;
    return preview;
}

PageEditor::Outcome PageEditor::apply(const Preview& preview) const {
    if (!preview.ok())
        return {false, preview.error};
    QByteArray now;
    QString error;
    if (!m_files.readPage(preview.path, PageInsertion::kMaxPageBytes, &now, &error))
        return {false, error};
    if (now != preview.change.before)
        return {false, QStringLiteral("%1 was changed by another program after the preview, so "
                                      "nothing was written. Look at it again and try once more.")
                           .arg(QDir::toNativeSeparators(preview.path))};
    if (preview.change.after == now)
        return {true, QStringLiteral("%1 already holds this code; nothing needed changing.")
                          .arg(QDir::toNativeSeparators(preview.path))};
    if (!m_files.writePage(preview.path, preview.change.after, &error))
        return {false, error};
    return {true, preview.removing
                      ? QStringLiteral("\"%1\" was taken out of %2.")
                            .arg(preview.title, QDir::toNativeSeparators(preview.path))
                      : QStringLiteral("\"%1\" was put into %2.")
                            .arg(preview.title, QDir::toNativeSeparators(preview.path))};
}

QString PageEditor::besidePage(const Preview& preview, const QString& name) const {
    return QFileInfo(preview.path).absoluteDir().filePath(name);
}

QStringList PageEditor::supportFilesMissing(const Preview& preview) const {
    QStringList names;
    for (const QString& name : preview.supportFiles) {
        if (!m_files.exists(besidePage(preview, name)))
            names.append(name);
    }
    return names;
}

QStringList PageEditor::supportFilesPresent(const Preview& preview) const {
    QStringList names;
    for (const QString& name : preview.supportFiles) {
        if (m_files.exists(besidePage(preview, name)))
            names.append(name);
    }
    return names;
}

PageEditor::Outcome PageEditor::copySupportFiles(const Preview& preview, const QStringList& names,
                                                 bool replace) const {
    int copied = 0;
    for (const QString& name : names) {
        const QString target = besidePage(preview, name);
        if (!replace && m_files.exists(target))
            continue;
        QString error;
        if (!m_files.copyFile(QDir(m_scriptsFolder).filePath(name), target, replace, &error))
            return {false, error};
        ++copied;
    }
    return {true, copied == 1
                      ? QStringLiteral("1 file was copied beside the page.")
                      : QStringLiteral("%1 files were copied beside the page.").arg(copied)};
}

PageEditor::Outcome PageEditor::saveNewPage(const QString& path, const QString& code,
                                            bool replace) const {
    QString text = code;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QString error;
    if (!m_files.writeNewFile(path, text.toUtf8(), replace, &error))
        return {false, error};
    return {true, QStringLiteral("%1 was saved.").arg(QDir::toNativeSeparators(path))};
}
