// SPDX-License-Identifier: GPL-3.0-or-later
// The steps the store client takes, known to the tests that watch it: step n either clears
// every slot or saves slot slotOf(n) with values that name the step in every key.
#pragma once

#include "myscripts/slotstore.h"

namespace StoreClientModel {

inline bool clearsAll(int step) {
    return step % 23 == 0;
}

inline int slotOf(int step) {
    return 1 + (step * 7) % SlotStore::SlotCount;
}

inline MyScriptSlot valuesOf(int step) {
    const int slot = slotOf(step);
    const QString tag = QStringLiteral("s%1 g%2").arg(slot).arg(step);
    // Tens of kilobytes, so a save spans many pages and a kill can land inside it.
    return {slot,
            tag,
            QStringLiteral("About ") + tag,
            QString(2000 + (step % 7) * 3000, QChar(u'a' + step % 26)) + tag,
            tag + QString(10000 + (step % 5) * 8000, QLatin1Char('b')),
            QStringLiteral("other ") + tag,
            QStringLiteral("https://example.invalid/") + tag};
}

inline QList<MyScriptSlot> emptySlots() {
    QList<MyScriptSlot> all;
    for (int n = 1; n <= SlotStore::SlotCount; ++n)
        all.append({n, {}, {}, {}, {}, {}, {}});
    return all;
}

} // namespace StoreClientModel
