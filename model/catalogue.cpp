// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include "model/catalogueindex.h"
#include "model/entryparser.h"

#include <QFile>

namespace {

const QString kResourceRoot = QStringLiteral(":/catalogue/content");

bool readText(const QString& path, QString* text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

Catalogue::Catalogue(const QString& contentDir)
    : m_contentDir(contentDir) {}

void Catalogue::ensureLoaded() const {
    if (m_loaded)
        return;
    m_loaded = true;
    const QString root = m_contentDir.isEmpty() ? kResourceRoot : m_contentDir;
    for (const CatalogueIndex::Title& title : CatalogueIndex::titles()) {
        const QString folder = CatalogueIndex::category(title.category).folder;
        const QString path = QStringLiteral("%1/%2/%3.txt").arg(root, folder, title.window);
        QString text;
        if (!readText(path, &text)) {
            m_errors.append(QStringLiteral("%1: cannot read the entry file").arg(path));
            continue;
        }
        EntryParser::Result parsed = EntryParser::parse(text, path);
        if (!parsed.ok) {
            m_errors.append(parsed.error);
            continue;
        }
        if (parsed.entry.formName != title.window || parsed.entry.title != title.title) {
            m_errors.append(
                QStringLiteral("%1: window or title does not match the index").arg(path));
            continue;
        }
        m_byName.insert(title.window, int(m_entries.size()));
        m_entries.append(std::move(parsed.entry));
    }
}

const ScriptEntry* Catalogue::entry(const QString& formName) const {
    ensureLoaded();
    const auto it = m_byName.constFind(formName);
    return it == m_byName.constEnd() ? nullptr : &m_entries.at(*it);
}

QList<const ScriptEntry*> Catalogue::entries() const {
    ensureLoaded();
    QList<const ScriptEntry*> result;
    result.reserve(m_entries.size());
    for (const ScriptEntry& e : m_entries)
        result.append(&e);
    return result;
}

QStringList Catalogue::errors() const {
    ensureLoaded();
    return m_errors;
}

QString Catalogue::secondaryText(const QString& windowName) const {
    const QString root = m_contentDir.isEmpty() ? kResourceRoot : m_contentDir;
    QString text;
    readText(QStringLiteral("%1/secondary/%2.txt").arg(root, windowName), &text);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}
