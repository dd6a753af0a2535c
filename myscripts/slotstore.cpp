// SPDX-License-Identifier: GPL-3.0-or-later
#include "myscripts/slotstore.h"

#include "platform/settingsstore.h"

namespace {

const QString kName = QStringLiteral("Name");
const QString kMarkerSection = QStringLiteral("KeysMade");
const QString kMarkerKey = QStringLiteral("Value");

QStringList valuesOf(const MyScriptSlot& v) {
    return {v.name, v.description, v.head, v.body, v.other, v.site};
}

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

QString SlotStore::read(const QString& section, const QString& key,
                        const QString& defaultValue) const {
    if (!m_read.ok)
        return defaultValue;
    const QString value = m_store.read(section, key, defaultValue);
    if (m_store.lastReadFailed())
        m_read = {false, m_store.lastError(), m_store.lastErrorWasBusy()};
    return value;
}

MyScriptSlot SlotStore::readSlot(int slot) const {
    const QString section = sectionOf(slot);
    MyScriptSlot values;
    values.number = slot;
    // One statement per key keeps the read order fixed.
    values.name = read(section, keys().at(0));
    values.description = read(section, keys().at(1));
    values.head = read(section, keys().at(2));
    values.body = read(section, keys().at(3));
    values.other = read(section, keys().at(4));
    values.site = read(section, keys().at(5));
    return values;
}

QString SlotStore::readSlotNameOr(int slot, const QString& defaultText) const {
    return read(sectionOf(slot), kName, defaultText);
}

QList<MyScriptSlot> SlotStore::readAllSlots() const {
    QList<MyScriptSlot> all;
    for (int n = 1; n <= SlotCount && m_read.ok; ++n)
        all.append(readSlot(n));
    return all;
}

bool SlotStore::writeValues(int slot, const QStringList& values, int* written) {
    const QString section = sectionOf(slot);
    for (int i = 0; i < keys().size(); ++i) {
        if (!m_store.write(section, keys().at(i), values.at(i)))
            return false;
        ++*written;
    }
    return true;
}

StoreWriteResult SlotStore::run(const std::function<bool(int*)>& steps) {
    int written = 0;
    bool declined = false;
    const SettingsStore::Outcome outcome = m_store.transaction([&] {
        written = 0;
        const bool wanted = steps(&written);
        declined = !wanted && m_read.ok;
        return wanted;
    });
    StoreWriteResult result;
    switch (outcome) {
    case SettingsStore::Outcome::Done:
        result.written = written;
        break;
    case SettingsStore::Outcome::Declined:
        result.declined = declined;
        if (!m_read.ok) {
            result.ok = false;
            result.error = m_read.error;
            result.busy = m_read.busy;
        }
        break;
    case SettingsStore::Outcome::Failed:
        result.ok = false;
        result.error = m_read.ok ? m_store.lastError() : m_read.error;
        result.busy = m_read.ok ? m_store.lastErrorWasBusy() : m_read.busy;
        break;
    }
    return result;
}

StoreWriteResult SlotStore::writeSlot(const MyScriptSlot& v) {
    return run([&](int* written) { return writeValues(v.number, valuesOf(v), written); });
}

StoreWriteResult SlotStore::saveSlot(const MyScriptSlot& v, bool replace) {
    m_read = {};
    return run([&](int* written) {
        // An absent Name reads as the name being saved: such a slot counts as in use.
        const QString current = read(sectionOf(v.number), kName, v.name);
        if (!m_read.ok || (!current.isEmpty() && !replace))
            return false;
        return writeValues(v.number, valuesOf(v), written);
    });
}

StoreWriteResult SlotStore::clearSlot(int slot) {
    const QString empty = QStringLiteral("");
    return run([&](int* written) {
        return writeValues(slot, {empty, empty, empty, empty, empty, empty}, written);
    });
}

StoreWriteResult SlotStore::clearAllSlots() {
    const QString empty = QStringLiteral("");
    const QStringList blank{empty, empty, empty, empty, empty, empty};
    return run([&](int* written) {
        for (int n = 1; n <= SlotCount; ++n) {
            if (!writeValues(n, blank, written))
                return false;
        }
        return true;
    });
}

StoreWriteResult SlotStore::update(const Change& change) {
    m_read = {};
    return run([&](int* written) {
        const QList<MyScriptSlot> now = readAllSlots();
        if (!m_read.ok)
            return false;
        const std::optional<QList<MyScriptSlot>> values = change(now);
        if (!values)
            return false;
        for (const MyScriptSlot& v : *values) {
            if (!writeValues(v.number, valuesOf(v), written))
                return false;
        }
        return true;
    });
}

StoreWriteResult SlotStore::initialiseSlots() {
    m_read = {};
    bool alreadyDone = false;
    StoreWriteResult result = run([&](int* written) {
        if (read(kMarkerSection, kMarkerKey) == QLatin1String("1")) {
            alreadyDone = true;
            return false;
        }
        for (int n = 1; n <= SlotCount; ++n) {
            const QString name = read(sectionOf(n), kName);
            // Nothing is cleared on the strength of a read that did not work.
            if (!m_read.ok)
                return false;
            if (!name.isEmpty())
                continue;
            if (!writeValues(n, QStringList(keys().size(), QStringLiteral("")), written))
                return false;
        }
        if (!m_store.write(kMarkerSection, kMarkerKey, QStringLiteral("1")))
            return false;
        ++*written;
        return true;
    });
    if (alreadyDone && result.ok)
        result.declined = false;
    return result;
}

std::optional<int> SlotStore::findFirstFreeSlot() const {
    for (int n = 1; n <= SlotCount; ++n) {
        const QString name = read(sectionOf(n), kName);
        if (!m_read.ok)
            return std::nullopt;
        if (name.isEmpty())
            return n;
    }
    return std::nullopt;
}

bool SlotStore::anySlotFree() const {
    // Reads every Name, without stopping early, so the store sees the same reads every time.
    bool anyFree = false;
    for (int n = 1; n <= SlotCount; ++n) {
        if (read(sectionOf(n), kName).isEmpty() && m_read.ok)
            anyFree = true;
    }
    return anyFree && m_read.ok;
}

QStringList SlotStore::listUsedSlots() const {
    QStringList names;
    for (int n = 1; n <= SlotCount; ++n) {
        const QString name = read(sectionOf(n), kName);
        if (!m_read.ok)
            return names;
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

std::optional<int> SlotStore::findSlotByName(const QString& text) const {
    std::optional<int> found;
    for (int n = 1; n <= SlotCount; ++n) {
        const bool match = read(sectionOf(n), kName) == text;
        if (!m_read.ok)
            return std::nullopt;
        if (match)
            found = n;
    }
    return found;
}
