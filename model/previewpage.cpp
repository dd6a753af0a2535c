// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/previewpage.h"

#include "model/samplepage.h"

namespace {

int lineAt(const QString& text, int position) {
    return text.left(position).count(QLatin1Char('\n')) + 1;
}

} // namespace

QString PreviewPage::locate(int pageLine) const {
    for (const Part& part : parts) {
        if (pageLine >= part.firstLine && pageLine < part.firstLine + part.lineCount)
            return QStringLiteral("%1, line %2").arg(part.name).arg(pageLine - part.firstLine + 1);
    }
    return QStringLiteral("page line %1").arg(pageLine);
}

PreviewPage PreviewPage::forEntry(const ScriptEntry& entry) {
    PreviewPage page;
    page.html = SamplePage::generate(entry);
    int from = 0;
    for (int i = 0; i < entry.blocks.size(); ++i) {
        const QString& code = entry.blocks.at(i).code;
        if (code.trimmed().isEmpty())
            continue;
        int at = page.html.indexOf(code, from);
        if (at < 0)
            at = page.html.indexOf(code); // a page template may put blocks in another order
        if (at < 0)
            continue;
        page.parts.append({QStringLiteral("block %1").arg(i + 1), lineAt(page.html, at),
                           int(code.count(QLatin1Char('\n'))) + 1});
        from = at + code.size();
    }
    return page;
}

PreviewPage PreviewPage::forScript(const QString& title, const QString& head, const QString& body) {
    PreviewPage page;
    page.html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1"
                               "</title>\n")
                    .arg(title.toHtmlEscaped());
    const int headLine = lineAt(page.html, page.html.size());
    page.html += head + QStringLiteral("\n</head>\n<body>\n");
    const int bodyLine = lineAt(page.html, page.html.size());
    page.html += body + QStringLiteral("\n</body></html>\n");
    page.parts.append(
        {QStringLiteral("head code"), headLine, int(head.count(QLatin1Char('\n'))) + 1});
    page.parts.append(
        {QStringLiteral("body code"), bodyLine, int(body.count(QLatin1Char('\n'))) + 1});
    return page;
}
