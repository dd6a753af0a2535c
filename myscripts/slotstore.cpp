// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/slotstore.h"

#include "platform/settingsstore.h"

namespace {

const QString kName = QStringLiteral("Name");
const QString kMarkerSection = QStringLiteral("KeysMade");
const QString kMarkerKey = QStringLiteral("Value");

} // namespace

QString SlotStore::sectionOf(int slot) {
    return QString::number(slot) + QStringLiteral("Slot");
}

const QStringList& SlotStore::keys() {
    static const QStringList list{kName,
                                  QStringLiteral("Description"),
                                  QStringLiteral("Head"),
                                  QStringLiteral("Body"),
                                  QStringLiteral("Other"),
                                  QStringLiteral("Site")};
    return list;
}

MyScriptSlot SlotStore::readSlot(int slot) const {
    const QString section = sectionOf(slot);
    MyScriptSlot values;
    values.number = slot;
    // One statement per key keeps the read order fixed.
    values.name = m_store.read(section, keys().at(0));
    values.description = m_store.read(section, keys().at(1));
    values.head = m_store.read(section, keys().at(2));
    values.body = m_store.read(section, keys().at(3));
    values.other = m_store.read(section, keys().at(4));
    values.site = m_store.read(section, keys().at(5));
    return values;
}

QString SlotStore::readSlotNameOr(int slot, const QString& defaultText) const {
    return m_store.read(sectionOf(slot), kName, defaultText);
}

StoreWriteResult SlotStore::writeValues(int slot, const QStringList& values) {
    const QString section = sectionOf(slot);
    StoreWriteResult result;
    for (int i = 0; i < keys().size(); ++i) {
        if (!m_store.write(section, keys().at(i), values.at(i))) {
            result.ok = false;
            result.error = m_store.lastError();
            return result;
        }
        ++result.written;
    }
    return result;
}

StoreWriteResult SlotStore::writeSlot(const MyScriptSlot& v) {
    return writeValues(v.number, {v.name, v.description, v.head, v.body, v.other, v.site});
}

StoreWriteResult SlotStore::clearSlot(int slot) {
    const QString empty = QStringLiteral("");
    return writeValues(slot, {empty, empty, empty, empty, empty, empty});
}

StoreWriteResult SlotStore::clearAllSlots() {
    StoreWriteResult total;
    for (int n = 1; n <= SlotCount; ++n) {
        if (!total.add(clearSlot(n)))
            return total;
    }
    return total;
}

StoreWriteResult SlotStore::initialiseSlots() {
    StoreWriteResult total;
    if (m_store.read(kMarkerSection, kMarkerKey) == QLatin1String("1"))
        return total;
    for (int n = 1; n <= SlotCount; ++n) {
        if (!m_store.read(sectionOf(n), kName).isEmpty())
            continue;
        // On failure the marker stays unset, so the next opening of the editor tries again.
        if (!total.add(clearSlot(n)))
            return total;
    }
    if (!m_store.write(kMarkerSection, kMarkerKey, QStringLiteral("1"))) {
        total.ok = false;
        total.error = m_store.lastError();
        return total;
    }
    ++total.written;
    return total;
}

std::optional<int> SlotStore::findFirstFreeSlot() const {
    for (int n = 1; n <= SlotCount; ++n) {
        if (m_store.read(sectionOf(n), kName).isEmpty())
            return n;
    }
    return std::nullopt;
}

bool SlotStore::anySlotFree() const {
    // Reads every Name, without stopping early, so the store sees the same reads every time.
    bool anyFree = false;
    for (int n = 1; n <= SlotCount; ++n) {
        if (m_store.read(sectionOf(n), kName).isEmpty())
            anyFree = true;
    }
    return anyFree;
}

QStringList SlotStore::listUsedSlots() const {
    QStringList names;
    for (int n = 1; n <= SlotCount; ++n) {
        const QString name = m_store.read(sectionOf(n), kName);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

std::optional<int> SlotStore::findSlotByName(const QString& text) const {
    std::optional<int> found;
    for (int n = 1; n <= SlotCount; ++n) {
        if (m_store.read(sectionOf(n), kName) == text)
            found = n;
    }
    return found;
}
