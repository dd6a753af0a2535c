// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One block of an entry's code area: where the code goes, and the code.
struct EntryBlock {
    // Letter codes of the recurring placements; X has its own instruction with code,
    // N is a note without code, C is code without instruction.
    enum class Kind { B, H, T, P1, P2, T2, W, A, H2, X, N, C };

    Kind kind = Kind::C;
    QString instruction; // empty for C
    QString code;        // empty for N

    bool hasInstruction() const { return kind != Kind::C; }
    bool hasCodeBox() const { return kind != Kind::N; }

    static QString letter(Kind kind);
    static bool kindFromLetter(const QString& letter, Kind* kind);
    // The fixed wording of a recurring placement; empty for X, N and C.
    static QString standardInstruction(Kind kind);
};

// How an entry's viewer differs from the standard window; each is a key of the entry file.
struct ViewerQuirks {
    bool codeHeading = true;      // code-heading: no (the box sits right under the description)
    bool reverseTabOrder = false; // tab-order: reverse (Tab runs through the boxes bottom-up)
    bool separateBrowser = false; // sample-browser: separate (a browser window of its own)
    bool tallBackground = false;  // background: tall
    QString addressBoxName = QStringLiteral("txtURL"); // address-box: Text2
};

// One catalogue entry, identified by its viewer window's name.
struct ScriptEntry {
    QString formName;
    QString title;
    QString caption;
    QString description;
    QString samplePage;  // below "tagloom/samples/"; empty when the entry has no sample page
    int height = 0;      // client height of the viewer window, in twips
    QString extraWindow; // secondary window opened by the entry's button, if any
    QList<EntryBlock> blocks;
    ViewerQuirks quirks;

    // Only for the bundled sample site and its tests.
    QString probe;
    QString demo;
    QString demoHead;
    QString pageTemplate;

    bool hasSample() const { return !samplePage.isEmpty(); }
    // The sample page's address under the given site address.
    QString sampleUrl(const QString& baseUrl) const;
};
