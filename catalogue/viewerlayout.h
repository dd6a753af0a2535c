// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/scriptentry.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <functional>

// Where every control of an entry's viewer window goes, in twips. Kept apart from the
// window so the stacking rules can be computed (and checked) without building widgets.
struct ViewerLayout {
    // Design constants of the standard single-block window.
    static constexpr int clientWidth = 6420;
    static constexpr int blockLeft = 660;
    static constexpr int instructionWidth = 5475;
    static constexpr int codeBoxWidth = 5355;
    static constexpr int descriptionWidth = 5295;
    static constexpr int standardBoxHeight = 1155;
    static constexpr int minimumBoxHeight = 375;
    static constexpr int maximumBoxHeight = 2415;
    static constexpr int blockGap = 105;

    struct Block {
        QRect label; // null for a block without instruction
        QRect box;   // null for a note
    };

    QSize client;
    QRect descriptionHeading; // "Description:"
    QRect description;
    QRect codeHeading; // "Copy-and-paste Code:"; null when the entry has none
    QList<Block> blocks;
    QRect demoHeading; // "See Demo Page:"; null without a sample page
    QRect link;        // null without a sample page
    QRect extraButton; // null without an extra window
    // False when the boxes could not be given their minimum height in the fixed window.
    bool fits = true;

    // Text heights in twips for the given text wrapped at the given width (twips).
    struct Measure {
        std::function<int(const QString& text, int width)> description;
        std::function<int(const QString& text, int width)> instruction;
        // The height a code box needs to show all of the code without scrolling.
        std::function<int(const QString& code, int width)> code;
    };

    static ViewerLayout compute(const ScriptEntry& entry, const Measure& measure);

    // The extra button's designed rectangle and caption for a secondary window name.
    static QRect designedButton(const QString& extraWindow);
    static QString buttonCaption(const QString& extraWindow);
    static QString buttonName(const QString& extraWindow);
};
