// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed categories and titles, and the viewer window each title opens.
namespace CatalogueIndex {

struct Category {
    int index = -1;
    QString caption; // as shown in CmbCategories
    QString folder;  // the folder of its entry files and sample pages; empty for "My Scripts!"
};

struct Title {
    int category = -1;
    QString title;  // exact, compared case-sensitively and untrimmed
    QString window; // the viewer window's name, the entry's identity
};

int categoryCount();          // 17, "My Scripts!" included
int catalogueCategoryCount(); // 16
Category category(int index);

// All 208 titles in catalogue order: category 0 first, rows in list order.
const QList<Title>& titles();

// The titles of category 0 to 15 in list order; empty for anything else.
QStringList titlesOf(int category);

// The viewer window of the first title equal to text, or an empty string.
QString windowOf(const QString& text);

// The index entry of a viewer window, or nullptr.
const Title* findWindow(const QString& window);

} // namespace CatalogueIndex
