// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include "model/catalogueindex.h"
#include "model/entryparser.h"
#include "model/secondarywindows.h"
#include "model/textrules.h"

#include <QFile>

namespace {

const QString kResourceRoot = QStringLiteral(":/catalogue/content");

bool readBytes(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

// A secondary window's text (or note) without its final line break; empty when the file is
// missing or breaks the text rules.
QString readSecondary(const QString& path, QString* error) {
    QByteArray bytes;
    if (!readBytes(path, &bytes)) {
        if (error)
            *error = QStringLiteral("%1: cannot read the file").arg(path);
        return QString();
    }
    QString text;
    QString problem;
    if (!TextRules::decode(bytes, path, &text, &problem)) {
        if (error)
            *error = problem;
        return QString();
    }
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

Catalogue::Catalogue(const QString& contentDir)
    : m_contentDir(contentDir) {}

Catalogue::Catalogue(QList<ScriptEntry> entries)
    : m_loaded(true)
    , m_entries(std::move(entries)) {
    for (int i = 0; i < m_entries.size(); ++i)
        m_byName.insert(m_entries.at(i).formName, i);
}

void Catalogue::ensureLoaded() const {
    if (m_loaded)
        return;
    m_loaded = true;
    const QString root = m_contentDir.isEmpty() ? kResourceRoot : m_contentDir;
    for (const CatalogueIndex::Title& title : CatalogueIndex::titles()) {
        const QString folder = CatalogueIndex::category(title.category).folder;
        const QString path = QStringLiteral("%1/%2/%3.txt").arg(root, folder, title.window);
        QByteArray bytes;
        if (!readBytes(path, &bytes)) {
            m_errors.append(QStringLiteral("%1: cannot read the entry file").arg(path));
            continue;
        }
        EntryParser::Result parsed = EntryParser::parseFile(bytes, path);
        if (!parsed.ok) {
            m_errors.append(parsed.error);
            continue;
        }
        if (parsed.entry.formName != title.window || parsed.entry.title != title.title) {
            const QString key = parsed.entry.formName != title.window ? QStringLiteral("window")
                                                                      : QStringLiteral("title");
            m_errors.append(QStringLiteral("%1:%2: %3 does not match the index")
                                .arg(path)
                                .arg(parsed.keyLines.value(key, 1))
                                .arg(key));
            continue;
        }
        m_byName.insert(title.window, int(m_entries.size()));
        m_entries.append(std::move(parsed.entry));
    }
    for (const SecondaryWindowDesign& design : SecondaryWindows::all()) {
        QString error;
        readSecondary(secondaryPath(design.name, QString()), &error);
        if (error.isEmpty() && !design.note.isNull())
            readSecondary(secondaryPath(design.name, QStringLiteral("note")), &error);
        if (!error.isEmpty())
            m_errors.append(error);
    }
}

QString Catalogue::secondaryPath(const QString& windowName, const QString& part) const {
    const QString root = m_contentDir.isEmpty() ? kResourceRoot : m_contentDir;
    const QString suffix = part.isEmpty() ? QString() : QLatin1Char('.') + part;
    return QStringLiteral("%1/secondary/%2%3.txt").arg(root, windowName, suffix);
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
    return readSecondary(secondaryPath(windowName, QString()), nullptr);
}

QString Catalogue::secondaryNote(const QString& windowName) const {
    return readSecondary(secondaryPath(windowName, QStringLiteral("note")), nullptr);
}
