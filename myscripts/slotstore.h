// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class SettingsStore;

// One of the user's own entries: a slot number and its six values, in store order.
struct MyScriptSlot {
    int number = 0;
    QString name;
    QString description;
    QString head;
    QString body;
    QString other;
    QString site;
};

// How a run of writes ended. The store writes key by key, so a failure part-way leaves the
// keys before it in place; `written` says how many reached the store.
struct StoreWriteResult {
    bool ok = true;
    int written = 0;
    QString error; // the store's reason when !ok (may be empty)

    // Counts a further step in; returns whether it succeeded (a failure is kept).
    bool add(const StoreWriteResult& step) {
        written += step.written;
        if (!step.ok) {
            ok = false;
            error = step.error;
        }
        return step.ok;
    }
};

// The 30 My Scripts slots in the settings store: sections "1Slot" to "30Slot", each with the
// keys Name, Description, Head, Body, Other and Site, plus the first-run marker
// "KeysMade"/"Value". Nothing is cached; every call reads or writes the store in a fixed order,
// and a slot is used exactly when its Name is not empty.
class SlotStore {
public:
    static constexpr int SlotCount = 30;

    explicit SlotStore(SettingsStore& store)
        : m_store(store) {}

    static QString sectionOf(int slot);
    static const QStringList& keys();

    MyScriptSlot readSlot(int slot) const;
    QString readSlotNameOr(int slot, const QString& defaultText) const;

    // Writes stop at the first failure: once the store refuses a key it is not trusted with
    // the rest, and the caller reports what happened.
    StoreWriteResult writeSlot(const MyScriptSlot& values);
    StoreWriteResult clearSlot(int slot);
    StoreWriteResult clearAllSlots();

    // Fills all 30 slots with empty values and then sets the marker, unless the marker is
    // already "1". Slots that hold a name are left alone: with the marker removed from outside
    // they are still the user's entries.
    StoreWriteResult initialiseSlots();

    std::optional<int> findFirstFreeSlot() const;
    bool anySlotFree() const;
    QStringList listUsedSlots() const;
    // The highest-numbered slot whose Name equals text exactly.
    std::optional<int> findSlotByName(const QString& text) const;

private:
    StoreWriteResult writeValues(int slot, const QStringList& values);

    SettingsStore& m_store;
};
