// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QListWidget;

// What frmMain asks of the skins.
class SkinService {
public:
    virtual ~SkinService() = default;
    // Applies the skin stored in the settings (skin 1 for anything unknown); writes nothing.
    // Returns false when a picture could not be applied.
    virtual bool applySavedSkin() = 0;
    // The menu command for skin 1 to 5: apply, then remember.
    virtual void chooseSkin(int skin) = 0;
};

// What frmMain asks of My Scripts.
class MyScriptsService {
public:
    virtual ~MyScriptsService() = default;
    // Fills the list for the "My Scripts!" category.
    virtual void fillList(QListWidget* list) = 0;
    // A double-clicked row whose text matched no catalogue title.
    virtual void dispatch(const QString& rowText) = 0;
    virtual void clearAllEntries() = 0;

    struct EntrySummary {
        QString name;
        QString description;
    };
    // The stored entries' names and descriptions, read afresh, for searching.
    virtual QList<EntrySummary> entrySummaries() { return {}; }
    // Opens the entry viewer on the entry of that name, as a double-click on its row would.
    virtual void openEntry(const QString& name) { dispatch(name); }
    // The Main menu's undo, restore, export and import of the entries.
    virtual void undoClearAll() {}
    virtual void restoreFromBackup() {}
    virtual void exportEntries() {}
    virtual void importEntries() {}
};
