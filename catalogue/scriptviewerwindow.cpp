// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/scriptviewerwindow.h"

#include "platform/appfolder.h"
#include "platform/shellopen.h"
#include "platform/twips.h"
#include "platform/uifonts.h"

#include "catalogue/viewerlayout.h"

#include "kit/appcontext.h"
#include "kit/entryview.h"
#include "kit/separatebrowserservice.h"
#include "kit/windowplacement.h"
#include "kit/windowregistry.h"
#include "model/catalogueindex.h"
#include "model/entrydocument.h"
#include "widgets/buttonstyle.h"
#include "widgets/codebox.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

const QColor kBackground(246, 248, 251);

int wrappedHeight(const QFont& font, const QString& text, int widthTwips) {
    if (text.isEmpty())
        return 0;
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, Twips::toPixels(widthTwips), 100000),
                                              Qt::TextWordWrap, text);
    return Twips::fromPixels(bounds.height());
}

// What a code box needs to show its text without scrolling: wrapped lines inside the
// frame, the document margins and beside the vertical scroll bar.
int codeHeight(const QString& code, int widthTwips) {
    const QFont font = UiFonts::normal();
    const QFontMetrics metrics(font);
    const int textWidth = Twips::toPixels(widthTwips) - 32;
    int lines = 0;
    for (const QString& line : code.split(QLatin1Char('\n'))) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, textWidth, 100000),
                                                  Qt::TextWordWrap | Qt::TextExpandTabs,
                                                  line.isEmpty() ? QStringLiteral(" ") : line);
        const int spacing = metrics.lineSpacing();
        lines += std::max(1, (bounds.height() + spacing - 1) / spacing);
    }
    return Twips::fromPixels(lines * metrics.lineSpacing() + 14);
}

ViewerLayout::Measure fontMeasure() {
    ViewerLayout::Measure measure;
    measure.description = [](const QString& text, int width) {
        return wrappedHeight(UiFonts::normal(), text, width);
    };
    measure.instruction = measure.description;
    measure.code = codeHeight;
    return measure;
}

} // namespace

QString ScriptViewerWindow::backgroundFor(const ScriptEntry& entry) {
    return entry.quirks.tallBackground ? QStringLiteral(":/assets/backgrounds/viewer-tall.png")
                                       : QStringLiteral(":/assets/backgrounds/viewer.png");
}

ScriptViewerWindow::ScriptViewerWindow(const ScriptEntry& entry, AppContext& context,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_formName(entry.formName)
    , m_extraWindow(entry.extraWindow)
    , m_quirks(entry.quirks)
    , m_background(backgroundFor(entry)) {
    setObjectName(entry.formName);
    setWindowTitle(entry.caption);
    setFont(UiFonts::normal());

    const ViewerLayout layout = ViewerLayout::compute(entry, fontMeasure());

    const CatalogueIndex::Title* indexed = CatalogueIndex::findWindow(entry.formName);
    const EntryDocument document = EntryDocument::fromEntry(
        entry, indexed ? CatalogueIndex::category(indexed->category).caption : QString());
    m_commands = new EntryViewCommands(this, &context, EntryRef::catalogue(entry.formName),
                                       [document] { return document; });
    setFixedSize(Twips::size(layout.client.width(), layout.client.height()));
    addHeadings(entry, layout);
    addBlocks(entry, layout);
    addSampleLink(entry, layout);
    addExtraButton(entry, layout);
    chainTabs();
    closeOnEscape();
    WindowPlacement::centreOnScreen(this);
}

void ScriptViewerWindow::addHeadings(const ScriptEntry& entry, const ViewerLayout& layout) {
    addLabel(QStringLiteral("Label1_0"),
             QCoreApplication::translate("ScriptViewerWindow", "Description:"), UiFonts::bold(),
             layout.descriptionHeading, false);
    addLabel(QStringLiteral("Label3"), entry.description, UiFonts::normal(), layout.description,
             true);
    if (!layout.codeHeading.isNull())
        addLabel(QStringLiteral("Label1_1"),
                 QCoreApplication::translate("ScriptViewerWindow", "Copy-and-paste Code:"),
                 UiFonts::bold(), layout.codeHeading, false);
}

void ScriptViewerWindow::addBlocks(const ScriptEntry& entry, const ViewerLayout& layout) {
    // One block keeps the single names of the standard window; several form arrays.
    const bool single = entry.blocks.size() == 1;
    int labelIndex = 0;
    for (int i = 0; i < entry.blocks.size(); ++i) {
        const EntryBlock& block = entry.blocks.at(i);
        const ViewerLayout::Block& place = layout.blocks.at(i);
        if (!place.label.isNull()) {
            const QString name =
                single ? QStringLiteral("Label4") : QStringLiteral("Label4_%1").arg(labelIndex);
            addLabel(name, block.instruction, UiFonts::normal(), place.label, true);
            ++labelIndex;
        }
        if (!place.box.isNull()) {
            auto* box = new CodeBox(this);
            box->setObjectName(single ? QStringLiteral("Text1")
                                      : QStringLiteral("Text1_%1").arg(m_codeBoxes.size()));
            box->setGeometry(
                Twips::rect(place.box.x(), place.box.y(), place.box.width(), place.box.height()));
            box->setFont(UiFonts::normal());
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            box->setTabChangesFocus(true);
            box->setPlainText(block.code);
            box->document()->setModified(false);
            box->setAccessibleName(block.instruction.isEmpty()
                                       ? QCoreApplication::translate("ScriptViewerWindow", "Code")
                                       : block.instruction);
            m_commands->addCodeBox(box, i);
            m_codeBoxes.append(box);
        }
    }
}

void ScriptViewerWindow::addSampleLink(const ScriptEntry& entry, const ViewerLayout& layout) {
    if (!layout.link.isNull()) {
        addLabel(QStringLiteral("Label1_2"),
                 QCoreApplication::translate("ScriptViewerWindow", "See Demo Page:"),
                 UiFonts::bold(), layout.demoHeading, false);
        m_link = new LinkLabel(
            QCoreApplication::translate("ScriptViewerWindow", "click here for sample page!"), this,
            LinkLabel::Size::Large);
        m_link->setObjectName(QStringLiteral("Label2"));
        m_link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_link->setGeometry(Twips::rect(layout.link.x(), layout.link.y(), layout.link.width(),
                                        layout.link.height()));
        connect(m_link, &LinkLabel::clicked, this, &ScriptViewerWindow::Label2_Click);
        // Reachable with Tab and opened with Enter or Space like a button.
        m_link->setFocusPolicy(Qt::StrongFocus);
        m_link->setAccessibleName(
            QCoreApplication::translate("ScriptViewerWindow",
                                        "click here for sample page! (opens %1)")
                .arg(entry.sampleUrl(AppFolder::sampleBaseUrl())));
    }

    // The address box never shows; its name comes with the entry.
    m_address = new QLineEdit(entry.sampleUrl(AppFolder::sampleBaseUrl()), this);
    m_address->setObjectName(entry.quirks.addressBoxName);
    m_address->setGeometry(Twips::rect(0, 0, 2235, 315));
    m_address->setFocusPolicy(Qt::NoFocus);
    m_address->hide();
}

void ScriptViewerWindow::addExtraButton(const ScriptEntry& entry, const ViewerLayout& layout) {
    if (!layout.extraButton.isNull()) {
        m_extraButton = new QPushButton(ViewerLayout::buttonCaption(entry.extraWindow), this);
        m_extraButton->setObjectName(ViewerLayout::buttonName(entry.extraWindow));
        m_extraButton->setFont(UiFonts::normal());
        m_extraButton->setStyleSheet(ButtonStyle::classicGrey());
        m_extraButton->setGeometry(Twips::rect(layout.extraButton.x(), layout.extraButton.y(),
                                               layout.extraButton.width(),
                                               layout.extraButton.height()));
        m_extraButton->setFocusPolicy(Qt::StrongFocus);
        m_extraButton->raise();
        connect(m_extraButton, &QPushButton::clicked, this, &ScriptViewerWindow::openExtraWindow);
    }
}

void ScriptViewerWindow::chainTabs() {
    // Tab runs through the code boxes (bottom-up where the entry says so), the sample link and
    // then the button.
    QList<QWidget*> chain(m_codeBoxes.begin(), m_codeBoxes.end());
    if (m_quirks.reverseTabOrder)
        std::reverse(chain.begin(), chain.end());
    if (m_link)
        chain.append(m_link);
    if (m_extraButton)
        chain.append(m_extraButton);
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    if (!chain.isEmpty())
        chain.first()->setFocus(Qt::OtherFocusReason);
}

void ScriptViewerWindow::closeOnEscape() {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escClose"));
    connect(escape, &QShortcut::activated, this, [this] {
        // Code the user has changed here would be lost without a word.
        for (const QPlainTextEdit* box : std::as_const(m_codeBoxes)) {
            if (box->document()->isModified())
                return;
        }
        close();
    });
}

QLabel* ScriptViewerWindow::addLabel(const QString& name, const QString& text, const QFont& font,
                                     QRect twips, bool wrap) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    // Instructions name tags such as <BODY>: they are shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setFocusPolicy(Qt::NoFocus);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

void ScriptViewerWindow::Label2_Click() {
    // Some samples open in a browser window of the program's own, which closes with this
    // window; put together without the web tools, the program opens them like any other.
    if (m_quirks.separateBrowser && m_context.separateBrowser.isSet()) {
        m_context.separateBrowser->openFor(this, m_address->text());
        return;
    }
    // Every click asks again; whether the desktop managed it is not the viewer's concern.
    m_context.shell->open(m_address->text(), this);
}

void ScriptViewerWindow::openExtraWindow() {
    m_context.windows->show(m_extraWindow);
}

void ScriptViewerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!m_background.isNull())
        painter.drawPixmap(0, 0, m_background);
}
