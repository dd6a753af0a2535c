// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

struct ScriptEntry;

// What a window or the command line shows of one entry: its title, description and each
// block under its placement line. Catalogue entries and My Scripts entries both come here,
// so copying and printing read the same everywhere.
struct EntryDocument {
    struct Block {
        QString placement; // empty for code without a placement line
        QString code;
        bool hasCode = true; // false for a note that only says where things go
    };

    QString title;
    QString category;
    QString description;
    QList<Block> blocks;

    static EntryDocument fromEntry(const ScriptEntry& entry, const QString& category = {});

    // How many blocks have code, i.e. how many code boxes a viewer shows.
    int codeBlockCount() const;
    // The index in `blocks` of the n-th block with code (0-based), or -1.
    int blockOfCodeBox(int codeBox) const;

    // Every block in order, each preceded by its placement line as an HTML comment, the blocks
    // separated by a blank line. Ready to paste into a page.
    QString allBlocksText() const;

    // A placement line as an HTML comment; a "--" inside would end the comment early, so it is
    // split.
    static QString placementComment(const QString& placement);
};
