// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frmskins.h"

#include "kit/services.h"

#include <QObject>
#include <QPointer>

#include <functional>

struct AppContext;

// The skins of frmMain: applies a picture from the hidden holder, then remembers the choice.
class Skins final : public QObject, public SkinService {
    Q_OBJECT
public:
    static const QString kSection;
    static const QString kKey;

    using HolderFactory = std::function<frmSkins*()>;

    // makeHolder lets tests hand in a holder with missing pictures.
    explicit Skins(AppContext& context, QObject* parent = nullptr, HolderFactory makeHolder = {});
    ~Skins() override;

    bool applySavedSkin() override;
    void chooseSkin(int skin) override;

    // The holder, once some skin has been asked for; nullptr before.
    frmSkins* holder() const { return m_holder.data(); }

private:
    frmSkins* loadHolder();
    bool apply(int skin);

    AppContext& m_context;
    HolderFactory m_makeHolder;
    // A parentless window; guarded, since whoever tidies up top-level windows may delete it.
    QPointer<frmSkins> m_holder;
};
