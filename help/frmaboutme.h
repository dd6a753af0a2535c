// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/helpform.h"

// The release notes: one row per version, and what changed in the last two.
class frmAboutMe final : public HelpForm {
    Q_OBJECT
public:
    explicit frmAboutMe(AppContext& context, QWidget* parent = nullptr);

protected:
    void backClicked() override;
    void paintEvent(QPaintEvent* event) override;
};
