// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "myscripts/pictureform.h"
#include "myscripts/slotstore.h"

#include "widgets/formparts.h"

class QCheckBox;
class QPushButton;
class frmCustom;
struct AppContext;

// The entry editor: fills in one of the user's scripts and saves it into a slot. New mode
// proposes the lowest free slot; edit mode (EditEntry) shows the slot the viewer showed.
class frmNewTemplate final : public PictureForm {
    Q_OBJECT
public:
    static constexpr int NameLimit = 40;
    static constexpr int DescriptionLimit = 156;

    explicit frmNewTemplate(AppContext& context, QWidget* parent = nullptr);
    static QSize designedClientSize();

    // Runs once per opening, after the window has been placed in the frame.
    void Form_Load();
    // Takes the viewer's slot number, hides the viewer and fills the fields from that slot.
    void EditEntry(frmCustom* viewer);

    void cmdSave_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    MyScriptSlot typedValues() const;

    AppContext& m_context;
    QLabel* m_label1 = nullptr;
    QLabel* m_lblSaved = nullptr;
    QLineEdit* m_txtEntry = nullptr;
    QCheckBox* m_check1 = nullptr;
    LimitedLineEdit* m_txtName = nullptr;
    LimitedTextEdit* m_txtDesc = nullptr;
    LimitedTextEdit* m_txtHEAD = nullptr;
    LimitedTextEdit* m_txtBODY = nullptr;
    LimitedLineEdit* m_txtOther = nullptr;
    LimitedLineEdit* m_txtSample = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdSave = nullptr;
    MyScriptSlot m_clean; // what the boxes held when last loaded or saved
};
