// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/skins.h"

#include "platform/messageboxes.h"
#include "platform/settingsstore.h"

#include "shell/frmmain.h"
#include "shell/frmskins.h"

#include "kit/appcontext.h"
#include "kit/messagetexts.h"

#include <QCoreApplication>

const QString Skins::kSection = QStringLiteral("Skin");
const QString Skins::kKey = QStringLiteral("Value");

Skins::Skins(AppContext& context, QObject* parent, HolderFactory makeHolder)
    : QObject(parent)
    , m_context(context)
    , m_makeHolder(std::move(makeHolder)) {}

Skins::~Skins() {
    delete m_holder.data();
}

frmSkins* Skins::loadHolder() {
    if (!m_holder)
        m_holder = m_makeHolder ? m_makeHolder() : new frmSkins;
    return m_holder.data();
}

bool Skins::apply(int skin) {
    frmSkins* holder = loadHolder();
    if (!holder || !m_context.main)
        return false;
    const QPixmap picture = holder->picture(skin);
    if (picture.isNull())
        return false;
    m_context.main->setSkinPicture(picture);
    return true;
}

bool Skins::applySavedSkin() {
    const QString saved = m_context.store->read(kSection, kKey);
    int skin = 1;
    for (int candidate = 1; candidate <= frmSkins::SkinCount; ++candidate) {
        if (saved == QString::number(candidate)) {
            skin = candidate;
            break;
        }
    }
    return apply(skin);
}

void Skins::chooseSkin(int skin) {
    QWidget* parent = m_context.main;
    bool applied = false;
    try {
        applied = apply(skin);
    } catch (...) {
        applied = false;
    }
    if (!applied) {
        // The previous choice stays in the store.
        m_context.messages->inform(parent, MessageTexts::kErrorTitle, MessageTexts::kSkinFailure,
                                   MessageBoxes::Icon::Warning);
        return;
    }
    if (!m_context.store->write(kSection, kKey, QString::number(skin))) {
        QString text = QCoreApplication::translate(
            "Skins", "The skin is shown, but it could not be remembered for the "
                     "next start: the settings store refused to write it.");
        const QString reason = m_context.store->lastError().trimmed();
        if (!reason.isEmpty())
            text += QCoreApplication::translate("Skins", "\n\nReason: ") + reason;
        m_context.messages->inform(parent, MessageTexts::kErrorTitle, text,
                                   MessageBoxes::Icon::Warning);
    }
}
