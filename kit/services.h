// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
};
