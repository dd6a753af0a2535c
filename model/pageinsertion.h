// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pagesnippet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The change to a page's bytes that puts a snippet in (or takes it out again), worked out
// without touching any file. Each place gets its code between "<!-- Tagloom: TITLE -->" and
// "<!-- /Tagloom: TITLE -->"; attributes merged into the <body> tag are recorded there too, so
// taking the snippet out gives back the page byte for byte.
struct PageChange {
    bool ok = false;
    QString error; // why the page cannot be changed
    QByteArray before;
    QByteArray after;
    QString encodingName;
    QStringList remarks; // where code went when the usual place is missing, and the like
    bool replacedEarlier = false;

    // A readable line diff: "+" added, "-" taken out, " " context, "@@" between hunks.
    QString diff(int context = 3) const;
};

namespace PageInsertion {

// The largest page worth changing, and the reason given for anything that is not a page.
constexpr qint64 kMaxPageBytes = 20 * 1024 * 1024;
bool looksBinary(const QByteArray& bytes);

PageChange insert(const QByteArray& page, const PageSnippet& snippet);
PageChange remove(const QByteArray& page, const QString& title);
bool contains(const QByteArray& page, const QString& title);

} // namespace PageInsertion
