// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/linklabel.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

struct AppContext;

namespace Help {

extern const QColor kBlue;
extern const QColor kDarkBlue;
extern const QColor kFormColour;

// The maker's details shown on the help pages and the About box.
extern const QString kMaker;
extern const QString kAuthor;
extern const QString kAuthorAge;
extern const QString kTester;
extern const QString kSupportEmail;
extern const QString kSecondEmail;
extern const QString kOtherProgram;

// A plain-text label: transparent, top-left aligned, in the given font and colour.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour = Qt::black, bool wrap = false);

// An address shown in a label too narrow for it is cut in the middle, with the whole address
// as its tool tip, so it never spills over its neighbours.
QString fitAddress(const QString& address, const QFont& font, int width);

// Shows frmMain (creating it if needed).
void showMain(AppContext& context);

} // namespace Help

// A borderless frame child of 5415 x 5955 twips, drawn over an optional picture at its natural
// size from the top-left corner.
class HelpForm : public QWidget {
    Q_OBJECT
public:
    HelpForm(AppContext& context, const QString& name, const QString& picture = QString(),
             QWidget* parent = nullptr);

    static QSize designedClientSize();

    void Form_Load();

protected:
    // The "<< Back" link at its usual place; clicking it runs onBack.
    LinkLabel* makeBackLabel(const QString& name);
    virtual void backClicked();
    void paintEvent(QPaintEvent* event) override;

    AppContext& m_context;
    QPixmap m_picture;
};
