// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// The text windows that three entries' extra buttons open, and the buttons that open them: the
// one list of them. Their texts live in catalogue/content/secondary/<name>.txt (and the note
// above the text in <name>.note.txt). Positions and sizes are in twips. The captions are source
// texts for the translation catalogue: the window translates them in context "SecondaryWindow",
// the viewer's button in context "ViewerLayout".
struct SecondaryWindowDesign {
    QString name;
    const char* caption;
    QSize client;
    bool picture = false; // drawn over the viewer background
    QRect text;
    bool scrollBar = true;
    QRect note; // null: no note above the text

    // The viewer's button that opens the window.
    QString buttonName;
    const char* buttonCaption;
    QRect button;
    // Beside the description (moving down with a long one) rather than above the sample link.
    bool buttonBesideDescription = false;
};

namespace SecondaryWindows {

const QList<SecondaryWindowDesign>& all();
// nullptr for names that are not secondary windows.
const SecondaryWindowDesign* find(const QString& name);

} // namespace SecondaryWindows
