// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/myscriptsexchange.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace MyScriptsExchange {

namespace {

constexpr int FormatVersion = 1;
const QLatin1String FormatName("tagloom-myscripts");
const QString kSlots = QStringLiteral("entries");

QStringList splitLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

QString htmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString escapeSnippetText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('$'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString unescapeSnippetText(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if (next == QLatin1Char('\\') || next == QLatin1Char('$') || next == QLatin1Char('}')) {
                plain += next;
                ++i;
                continue;
            }
        }
        plain += c;
    }
    return plain;
}

QString snippetPrefix(const MyScriptSlot& entry) {
    static const QRegularExpression runs(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QString prefix = entry.name.toLower().replace(runs, QStringLiteral("-"));
    while (prefix.startsWith(QLatin1Char('-')))
        prefix.remove(0, 1);
    while (prefix.endsWith(QLatin1Char('-')))
        prefix.chop(1);
    return prefix.isEmpty() ? QStringLiteral("myscript-%1").arg(entry.number) : prefix;
}

ParsedFile failure(const QString& error, const QString& details = QString()) {
    ParsedFile parsed;
    parsed.error = error;
    parsed.details = details;
    return parsed;
}

ParsedFile parseTagloom(const QJsonObject& root) {
    const int version = root.value(QStringLiteral("version")).toInt(-1);
    if (version < 1)
        return failure(QCoreApplication::translate(
            "MyScriptsExchange", "The file says it holds My Scripts entries but gives no "
                                 "format version, so it cannot be read safely."));
    if (version > FormatVersion)
        return failure(QCoreApplication::translate(
                           "MyScriptsExchange", "The file was made by a newer version of Tagloom "
                                                "(format %1). Update Tagloom to import it.")
                           .arg(version));
    const QJsonValue list = root.value(kSlots);
    if (!list.isArray())
        return failure(
            QCoreApplication::translate("MyScriptsExchange", "The file holds no list of entries."));
    ParsedFile parsed;
    parsed.ok = true;
    for (const QJsonValue& item : list.toArray()) {
        const QJsonObject o = item.toObject();
        MyScriptSlot entry;
        entry.number = o.value(QStringLiteral("slot")).toInt();
        entry.name = o.value(QStringLiteral("name")).toString();
        entry.description = o.value(QStringLiteral("description")).toString();
        entry.head = o.value(QStringLiteral("head")).toString();
        entry.body = o.value(QStringLiteral("body")).toString();
        entry.other = o.value(QStringLiteral("other")).toString();
        entry.site = o.value(QStringLiteral("site")).toString();
        if (!entry.name.isEmpty())
            parsed.entries.append(entry);
    }
    return parsed;
}

QString joinedText(const QJsonValue& value) {
    if (value.isString())
        return value.toString();
    QStringList lines;
    for (const QJsonValue& line : value.toArray())
        lines.append(line.toString());
    return lines.join(QLatin1Char('\n'));
}

ParsedFile parseSnippets(const QJsonObject& root) {
    ParsedFile parsed;
    parsed.ok = true;
    for (auto it = root.constBegin(); it != root.constEnd(); ++it) {
        const QJsonObject o = it.value().toObject();
        const QJsonValue body = o.value(QStringLiteral("body"));
        if (!body.isString() && !body.isArray())
            continue;
        MyScriptSlot entry;
        entry.name = it.key();
        entry.description = o.value(QStringLiteral("description")).toString();
        entry.body = unescapeSnippetText(joinedText(body));
        if (!entry.name.isEmpty())
            parsed.entries.append(entry);
    }
    if (parsed.entries.isEmpty() && !root.isEmpty())
        return failure(QCoreApplication::translate(
            "MyScriptsExchange", "The file is neither a Tagloom file nor a snippets file: "
                                 "it holds no entries that could be imported."));
    return parsed;
}

} // namespace

QList<MyScriptSlot> usedOnly(const QList<MyScriptSlot>& entries) {
    QList<MyScriptSlot> used;
    for (const MyScriptSlot& slot : entries) {
        if (!slot.name.isEmpty())
            used.append(slot);
    }
    return used;
}

QByteArray toTagloomFile(const QList<MyScriptSlot>& entries) {
    QJsonArray list;
    for (const MyScriptSlot& slot : entries) {
        list.append(QJsonObject{{QStringLiteral("slot"), slot.number},
                                {QStringLiteral("name"), slot.name},
                                {QStringLiteral("description"), slot.description},
                                {QStringLiteral("head"), slot.head},
                                {QStringLiteral("body"), slot.body},
                                {QStringLiteral("other"), slot.other},
                                {QStringLiteral("site"), slot.site}});
    }
    const QJsonObject root{{QStringLiteral("format"), FormatName},
                           {QStringLiteral("version"), FormatVersion},
                           {kSlots, list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray toCodeSnippets(const QList<MyScriptSlot>& entries) {
    QJsonObject root;
    for (const MyScriptSlot& entry : usedOnly(entries)) {
        QStringList lines;
        if (!entry.head.isEmpty())
            lines += splitLines(escapeSnippetText(entry.head));
        if (!entry.body.isEmpty())
            lines += splitLines(escapeSnippetText(entry.body));
        QString key = entry.name;
        // Titles are the object's keys; a second entry of the same name must not replace the
        // first.
        for (int n = 2; root.contains(key); ++n)
            key = QStringLiteral("%1 (%2)").arg(entry.name).arg(n);
        root.insert(key, QJsonObject{{QStringLiteral("prefix"), snippetPrefix(entry)},
                                     {QStringLiteral("description"), entry.description},
                                     {QStringLiteral("scope"), QStringLiteral("html")},
                                     {QStringLiteral("body"), QJsonArray::fromStringList(lines)}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString toHtmlPage(const MyScriptSlot& entry) {
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n");
    page += QStringLiteral("<title>%1</title>\n").arg(htmlEscaped(entry.name));
    if (!entry.description.isEmpty())
        page += QStringLiteral("<meta name=\"description\" content=\"%1\">\n")
                    .arg(htmlEscaped(entry.description));
    page += entry.head;
    page += QStringLiteral("\n</head>\n<body>\n");
    page += entry.body;
    page += QStringLiteral("\n</body>\n</html>\n");
    return page;
}

QString htmlFileName(const MyScriptSlot& entry) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]+"));
    QString stem = entry.name;
    stem.replace(unsafe, QStringLiteral("-"));
    while (stem.startsWith(QLatin1Char('-')))
        stem.remove(0, 1);
    while (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    if (stem.isEmpty())
        stem = QStringLiteral("entry");
    return QStringLiteral("%1-%2.html")
        .arg(entry.number, 2, 10, QLatin1Char('0'))
        .arg(stem.left(60));
}

QString htmlIndexPage(const QList<MyScriptSlot>& entries) {
    QString page = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>My Scripts</title>\n</head>\n<body>\n"
                                  "<h1>My Scripts</h1>\n<ul>\n");
    for (const MyScriptSlot& entry : usedOnly(entries)) {
        page += QStringLiteral("<li><a href=\"%1\">%2</a>")
                    .arg(htmlEscaped(htmlFileName(entry)), htmlEscaped(entry.name));
        if (!entry.description.isEmpty())
            page += QStringLiteral(" - ") + htmlEscaped(entry.description);
        page += QStringLiteral("</li>\n");
    }
    page += QStringLiteral("</ul>\n</body>\n</html>\n");
    return page;
}

ParsedFile parse(const QByteArray& data) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError)
        return failure(
            QCoreApplication::translate("MyScriptsExchange",
                                        "The file is not a Tagloom file or a snippets file: it "
                                        "is not readable as JSON."),
            QCoreApplication::translate("MyScriptsExchange", "%1 at character %2")
                .arg(error.errorString())
                .arg(error.offset));
    if (!doc.isObject())
        return failure(QCoreApplication::translate(
            "MyScriptsExchange", "The file is not a Tagloom file or a snippets file."));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() == FormatName)
        return parseTagloom(root);
    return parseSnippets(root);
}

namespace {

bool sameValues(const MyScriptSlot& a, const MyScriptSlot& b) {
    return a.name == b.name && a.description == b.description && a.head == b.head &&
           a.body == b.body && a.other == b.other && a.site == b.site;
}

QString nameList(const QStringList& names) {
    QStringList lines;
    for (const QString& name : names)
        lines.append(QStringLiteral("  \"%1\"").arg(name));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ImportPlan planImport(const QList<MyScriptSlot>& current, const QList<MyScriptSlot>& incoming,
                      Placement placement) {
    ImportPlan plan;
    QSet<QString> names;
    QList<int> free;
    for (const MyScriptSlot& slot : current) {
        if (slot.name.isEmpty())
            free.append(slot.number);
        else
            names.insert(slot.name);
    }
    const auto place = [&](MyScriptSlot entry, int slot) {
        const QString wanted = entry.name;
        for (int n = 2; names.contains(entry.name); ++n)
            entry.name = QStringLiteral("%1 (%2)").arg(wanted).arg(n);
        if (entry.name != wanted)
            plan.renamed.append({wanted, entry.name});
        names.insert(entry.name);
        entry.number = slot;
        plan.placed.append(entry);
    };
    QList<MyScriptSlot> waiting;
    for (const MyScriptSlot& entry : incoming) {
        const auto same = [&](const MyScriptSlot& slot) { return sameValues(slot, entry); };
        if (std::any_of(current.begin(), current.end(), same))
            plan.present.append(entry.name);
        else if (placement == Placement::OwnSlotFirst && free.removeOne(entry.number))
            place(entry, entry.number);
        else
            waiting.append(entry);
    }
    for (const MyScriptSlot& entry : waiting) {
        if (free.isEmpty())
            plan.skipped.append(entry.name);
        else
            place(entry, free.takeFirst());
    }
    return plan;
}

QString describeRenames(const ImportPlan& plan) {
    if (plan.renamed.isEmpty())
        return {};
    QStringList lines;
    for (const auto& rename : plan.renamed)
        lines.append(QCoreApplication::translate("MyScriptsExchange", "  \"%1\" is now \"%2\"")
                         .arg(rename.first, rename.second));
    return QCoreApplication::translate("MyScriptsExchange",
                                       "Renamed because the name was already taken:\n") +
           lines.join(QLatin1Char('\n'));
}

QString describe(const ImportPlan& plan) {
    QStringList parts;
    if (plan.placed.isEmpty())
        parts.append(QCoreApplication::translate("MyScriptsExchange", "No entries were imported."));
    else if (plan.placed.size() == 1)
        parts.append(QCoreApplication::translate("MyScriptsExchange", "1 entry was imported."));
    else
        parts.append(QCoreApplication::translate("MyScriptsExchange", "%1 entries were imported.")
                         .arg(plan.placed.size()));
    if (!plan.renamed.isEmpty())
        parts.append(describeRenames(plan));
    if (!plan.present.isEmpty())
        parts.append(QCoreApplication::translate(
                         "MyScriptsExchange",
                         "Already in My Scripts just as they are, so not imported again:\n") +
                     nameList(plan.present));
    if (!plan.skipped.isEmpty())
        parts.append(QCoreApplication::translate(
                         "MyScriptsExchange",
                         "Not imported, because all 30 slots are in use (delete some "
                         "entries and import the file again):\n") +
                     nameList(plan.skipped));
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace MyScriptsExchange
