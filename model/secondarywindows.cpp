// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/secondarywindows.h"

#include <QtGlobal>

namespace SecondaryWindows {

const QList<SecondaryWindowDesign>& all() {
    // The first caption's spelling is the one users know.
    static const QList<SecondaryWindowDesign> designs{
        {QStringLiteral("frmAdditionalImage6"),
         QT_TRANSLATE_NOOP("SecondaryWindow", "Additonal Instructions..."), QSize(6810, 4590),
         false, QRect(180, 180, 6495, 4215), true, QRect(), QStringLiteral("cmdadditional"),
         QT_TRANSLATE_NOOP("ViewerLayout", "click here for additional details"),
         QRect(3720, 1200, 2295, 315), true},
        {QStringLiteral("frmImage7instructions"),
         QT_TRANSLATE_NOOP("SecondaryWindow", "Additional Instructions"), QSize(6450, 4890), true,
         QRect(120, 180, 6195, 4575), true, QRect(), QStringLiteral("cmdinstructions"),
         QT_TRANSLATE_NOOP("ViewerLayout", "Click here for more instructions..."),
         QRect(3540, 4380, 2415, 315), false},
        {QStringLiteral("frmTextover"), QT_TRANSLATE_NOOP("SecondaryWindow", "Text MouseOver"),
         QSize(4635, 2415), true, QRect(180, 1020, 4275, 1155), false, QRect(180, 360, 4215, 615),
         QStringLiteral("cmdtextover"), QT_TRANSLATE_NOOP("ViewerLayout", "Text MouseOver!"),
         QRect(4080, 1080, 1815, 315), true},
    };
    return designs;
}

const SecondaryWindowDesign* find(const QString& name) {
    for (const SecondaryWindowDesign& design : all()) {
        if (design.name == name)
            return &design;
    }
    return nullptr;
}

} // namespace SecondaryWindows
