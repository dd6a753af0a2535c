// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
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

    bool operator==(const MyScriptSlot& o) const {
        return number == o.number && name == o.name && description == o.description &&
               head == o.head && body == o.body && other == o.other && site == o.site;
    }
    bool operator!=(const MyScriptSlot& o) const { return !(*this == o); }
};

// How a run of writes ended. Each operation is one transaction: it lands whole or not at
// all, so `written` is either every write of the run or none of them.
struct StoreWriteResult {
    bool ok = true;
    int written = 0;
    QString error;         // the store's reason when !ok (may be empty)
    bool busy = false;     // another program held the store
    bool declined = false; // a check inside the transaction said no; nothing was written
};

// Whether the reads of a SlotStore call all worked.
struct StoreReadStatus {
    bool ok = true;
    QString error;
    bool busy = false;
};

// The 30 My Scripts slots in the settings store: sections "1Slot" to "30Slot", each with the
// keys Name, Description, Head, Body, Other and Site, plus the first-run marker
// "KeysMade"/"Value". Nothing is cached; every call reads or writes the store in a fixed order,
// and a slot is used exactly when its Name is not empty.
//
// A read that fails stops the call at once and is recorded in readStatus(): what the call
// returns then is incomplete and must not be acted upon.
class SlotStore {
public:
    static constexpr int SlotCount = 30;

    explicit SlotStore(SettingsStore& store)
        : m_store(store) {}

    static QString sectionOf(int slot);
    static const QStringList& keys();

    // The state of the reads since this object was made (or since the last call that
    // started with a clean state).
    const StoreReadStatus& readStatus() const { return m_read; }
    bool readFailed() const { return !m_read.ok; }

    MyScriptSlot readSlot(int slot) const;
    QString readSlotNameOr(int slot, const QString& defaultText) const;
    // All 30 slots, used or not.
    QList<MyScriptSlot> readAllSlots() const;

    StoreWriteResult writeSlot(const MyScriptSlot& values);
    // The editor's save: the in-use check and the write in one transaction, so a second
    // running copy cannot take the slot in between. A used slot (its Name not empty, or
    // absent) is refused (declined) unless replace is set.
    StoreWriteResult saveSlot(const MyScriptSlot& values, bool replace);
    StoreWriteResult clearSlot(int slot);
    StoreWriteResult clearAllSlots();
    // Reads all 30 slots and writes what `change` makes of them, in one transaction, so that
    // nothing a second running copy writes can come between the two. `change` returns the
    // slots to write, or nothing to decline; a failed read writes nothing.
    using Change = std::function<std::optional<QList<MyScriptSlot>>(const QList<MyScriptSlot>&)>;
    StoreWriteResult update(const Change& change);

    // Fills all 30 slots with empty values and then sets the marker, unless the marker is
    // already "1". Slots that hold a name are left alone: with the marker removed from outside
    // they are still the user's entries. One transaction; a failed read writes nothing.
    StoreWriteResult initialiseSlots();

    std::optional<int> findFirstFreeSlot() const;
    bool anySlotFree() const;
    QStringList listUsedSlots() const;
    // The highest-numbered slot whose Name equals text exactly.
    std::optional<int> findSlotByName(const QString& text) const;

private:
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const;
    bool writeValues(int slot, const QStringList& values, int* written);
    StoreWriteResult run(const std::function<bool(int*)>& steps);

    SettingsStore& m_store;
    mutable StoreReadStatus m_read;
};
