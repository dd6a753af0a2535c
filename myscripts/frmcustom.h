// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "myscripts/pictureform.h"

#include "kit/entryactions.h"
#include "widgets/formparts.h"

class LinkLabel;
class QPushButton;
class EntryViewCommands;
struct AppContext;

// The entry viewer: shows the saved script whose name is the selected row of frmMain's list
// (the highest-numbered slot of that name) and offers Edit, Delete and the sample link.
class frmCustom final : public PictureForm {
    Q_OBJECT
public:
    explicit frmCustom(AppContext& context, QWidget* parent = nullptr);
    static QSize designedClientSize();
    static QString caption();

    void Form_Load();

    // The slot shown; 0 when no slot matched.
    int entrySlot() const { return m_entrySlot; }
    EntryViewCommands* commands() const { return m_commands; }

    void cmdEdit_Click();
    void cmdDelete_Click();
    void Label2_Click();

private:
    void buildControls();
    void addDescription();
    void addCodeBoxes();
    void addLinkAndButtons();
    // Accessible names, the copy commands and Escape.
    void addCommands();
    void ShowEntry();
    void finishAndShowList();

    AppContext& m_context;
    int m_entrySlot = 0;
    QString m_entrySite;
    QString m_entryName;
    EntryViewCommands* m_commands = nullptr;

    QLineEdit* m_txtEntry = nullptr;
    QLabel* m_lblDescription = nullptr;
    LimitedTextEdit* m_txtHEAD = nullptr;
    LimitedTextEdit* m_txtBODY = nullptr;
    QLineEdit* m_txtOther = nullptr;
    LinkLabel* m_label2 = nullptr;
    QPushButton* m_cmdEdit = nullptr;
    QPushButton* m_cmdDelete = nullptr;
};
