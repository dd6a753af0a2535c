// SPDX-License-Identifier: GPL-3.0-or-later
#include "webtools/customisewindow.h"

#include "webtools/previewpane.h"

#include "kit/entryview.h"
#include "kit/pageinsertioncommands.h"
#include "model/entrydocument.h"
#include "model/previewpage.h"
#include "widgets/codebox.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

using EntrySettings::Setting;
using EntrySettings::Type;

namespace {

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

void paintColourButton(QPushButton* button, const QString& colour) {
    button->setText(colour + QCoreApplication::translate("CustomiseWindow", "  Choose..."));
    button->setIcon(swatch(QColor(colour)));
}

QStringList itemsOf(const QString& text) {
    QStringList items = text.split(QLatin1Char('\n'));
    while (!items.isEmpty() && items.constLast().isEmpty())
        items.removeLast();
    return items;
}

} // namespace

CustomiseWindow::CustomiseWindow(const ScriptEntry& entry, PreviewPane* preview,
                                 const QString& siteFolder, PageInsertionCommands* pages,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_entry(entry)
    , m_siteFolder(siteFolder)
    , m_preview(preview)
    , m_pages(pages) {
    setObjectName(QStringLiteral("frmCustomise"));
    setWindowTitle(
        QCoreApplication::translate("CustomiseWindow", "Customise - %1").arg(entry.title));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1180, 760);

    // The copy commands and the large view take the customised code. Entry actions are left
    // out: they act on the catalogue's own entry, not on this customised copy; the window
    // offers its own page commands instead.
    m_commands = new EntryViewCommands(this, nullptr, EntryRef(), [this] {
        return EntryDocument::fromEntry(m_entry.customised());
    });

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(splitter);

    // Left: the settings above the code.
    auto* left = new QSplitter(Qt::Vertical, splitter);
    left->addWidget(makeSettingsPart(left));
    left->addWidget(makeCodePart(left));
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 2);

    // Right: the preview.
    m_preview->setParent(splitter);
    splitter->addWidget(left);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    m_previewDelay.setSingleShot(true);
    m_previewDelay.setInterval(kPreviewDelayMs);
    connect(&m_previewDelay, &QTimer::timeout, this, &CustomiseWindow::refreshPreview);

    updateCode();
    refreshPreview();
    if (!m_fields.isEmpty())
        setFocusProxy(m_fields.first());
}

QWidget* CustomiseWindow::makeSettingsPart(QWidget* parent) {
    auto* settingsPart = new QWidget(parent);
    auto* settingsLayout = new QVBoxLayout(settingsPart);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    auto* intro = new QLabel(settingsPart);
    intro->setWordWrap(true);
    if (m_entry.settings().isEmpty())
        intro->setText(QCoreApplication::translate("CustomiseWindow",
                                                   "This script has no settings to change."));
    else
        intro->setText(
            QCoreApplication::translate("CustomiseWindow",
                                        "Change the settings of \"%1\"; the code below and the "
                                        "preview follow.")
                .arg(m_entry.original().title));
    settingsLayout->addWidget(intro);
    if (!m_entry.errors().isEmpty()) {
        auto* problems = new QLabel(
            QCoreApplication::translate("CustomiseWindow", "Some settings cannot be offered: %1")
                .arg(m_entry.errors().join(QStringLiteral("; "))),
            settingsPart);
        problems->setWordWrap(true);
        settingsLayout->addWidget(problems);
    }
    auto* scroll = new QScrollArea(settingsPart);
    scroll->setWidgetResizable(true);
    scroll->setWidget(makeForm(scroll));
    settingsLayout->addWidget(scroll, 1);
    settingsLayout->addWidget(makeButtons(settingsPart));
    return settingsPart;
}

QWidget* CustomiseWindow::makeForm(QWidget* parent) {
    auto* form = new QWidget(parent);
    auto* formLayout = new QFormLayout(form);
    formLayout->setRowWrapPolicy(QFormLayout::WrapLongRows);
    formLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = 0; i < m_entry.settings().size(); ++i) {
        const Setting& setting = m_entry.settings().at(i);
        QWidget* field = makeField(i);
        m_fields.append(field);
        const QString label = setting.label();
        auto* caption = new QLabel(label + QLatin1Char(':'), form);
        caption->setWordWrap(true);
        caption->setBuddy(field);
        caption->setToolTip(setting.name);
        field->setAccessibleName(label);
        field->setToolTip(setting.name);
        formLayout->addRow(caption, field);
    }
    return form;
}

QDialogButtonBox* CustomiseWindow::makeButtons(QWidget* parent) {
    auto* buttons = new QDialogButtonBox(parent);
    auto* reset = buttons->addButton(QCoreApplication::translate("CustomiseWindow", "&Reset"),
                                     QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("cmdReset"));
    reset->setToolTip(
        QCoreApplication::translate("CustomiseWindow", "Put back the script's own values"));
    connect(reset, &QPushButton::clicked, this, &CustomiseWindow::resetToDefaults);
    auto* copy =
        buttons->addButton(QCoreApplication::translate("CustomiseWindow", "Copy All &Blocks"),
                           QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopyAllBlocks"));
    connect(copy, &QPushButton::clicked, this, &CustomiseWindow::copyAllBlocks);
    if (m_pages)
        addPageCommands(buttons);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

// The same captions and key as "Put into My Page..." in the viewers: a button beside Copy All
// Blocks, Ctrl+Shift+I anywhere in the window, and both commands in the code boxes' menus.
void CustomiseWindow::addPageCommands(QDialogButtonBox* buttons) {
    auto* put = new QAction(PageInsertionCommands::putCaption(), this);
    put->setObjectName(QStringLiteral("actPutIntoPage"));
    put->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    put->setShortcutContext(Qt::WindowShortcut);
    connect(put, &QAction::triggered, this, &CustomiseWindow::putIntoPage);
    addAction(put);
    auto* remove = new QAction(PageInsertionCommands::removeCaption(), this);
    remove->setObjectName(QStringLiteral("actRemoveFromPage"));
    connect(remove, &QAction::triggered, this, &CustomiseWindow::removeFromPage);
    m_commands->addMenuActions({put, remove});

    auto* button =
        buttons->addButton(PageInsertionCommands::putCaption(), QDialogButtonBox::ActionRole);
    button->setObjectName(QStringLiteral("cmdPutIntoPage"));
    button->setToolTip(QCoreApplication::translate(
        "CustomiseWindow", "Put the code with your settings into a page of yours (Ctrl+Shift+I)"));
    connect(button, &QPushButton::clicked, this, &CustomiseWindow::putIntoPage);
}

QWidget* CustomiseWindow::makeCodePart(QWidget* parent) {
    auto* codePart = new QScrollArea(parent);
    codePart->setWidgetResizable(true);
    auto* code = new QWidget(codePart);
    auto* codeLayout = new QVBoxLayout(code);
    const ScriptEntry& entry = m_entry.original();
    for (int b = 0; b < entry.blocks.size(); ++b) {
        const EntryBlock& block = entry.blocks.at(b);
        if (block.hasInstruction()) {
            auto* instruction = new QLabel(block.instruction, code);
            instruction->setWordWrap(true);
            instruction->setTextFormat(Qt::PlainText);
            codeLayout->addWidget(instruction);
        }
        if (!block.hasCodeBox())
            continue;
        auto* box = new CodeBox(code);
        box->setObjectName(QStringLiteral("txtCode%1").arg(m_codeBoxes.size()));
        box->setAccessibleName(
            block.hasInstruction()
                ? block.instruction
                : QCoreApplication::translate("CustomiseWindow", "Code block %1").arg(b + 1));
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setMinimumHeight(90);
        codeLayout->addWidget(box);
        m_commands->addCodeBox(box, b);
        m_codeBoxes.append(box);
        m_codeBlocks.append(b);
    }
    codeLayout->addStretch();
    codePart->setWidget(code);
    return codePart;
}

int CustomiseWindow::settingIndex(const QString& name) const {
    for (int i = 0; i < m_entry.settings().size(); ++i) {
        if (m_entry.settings().at(i).name == name)
            return i;
    }
    return -1;
}

QWidget* CustomiseWindow::makeField(int index) {
    const Setting& setting = m_entry.settings().at(index);
    QWidget* field = nullptr;
    switch (setting.type) {
    case Type::Number:
        field = makeNumberField(index);
        break;
    case Type::Boolean: {
        auto* check = new QCheckBox(this);
        check->setChecked(setting.value.toBool());
        connect(check, &QCheckBox::toggled, this,
                [this, index](bool value) { changed(index, value); });
        field = check;
        break;
    }
    case Type::String: {
        auto* line = new QLineEdit(setting.value.toString(), this);
        connect(line, &QLineEdit::textEdited, this,
                [this, index](const QString& value) { changed(index, value); });
        field = line;
        break;
    }
    case Type::Colour:
        field = makeColourField(index);
        break;
    case Type::StringList:
        field = makeListField(index);
        break;
    case Type::Other:
        field = makeReadOnlyField(index);
        break;
    }
    field->setObjectName(QStringLiteral("setting_%1").arg(setting.name));
    return field;
}

QWidget* CustomiseWindow::makeNumberField(int index) {
    const Setting& setting = m_entry.settings().at(index);
    auto* spin = new QDoubleSpinBox(this);
    spin->setDecimals(setting.decimals);
    spin->setRange(-1e9, 1e9);
    spin->setSingleStep(setting.decimals > 0 ? std::pow(10.0, -setting.decimals) : 1.0);
    if (!setting.unit.isEmpty())
        spin->setSuffix(QLatin1Char(' ') + setting.unit);
    spin->setValue(setting.value.toDouble());
    connect(spin, &QDoubleSpinBox::valueChanged, this,
            [this, index](double value) { changed(index, value); });
    return spin;
}

QWidget* CustomiseWindow::makeColourField(int index) {
    auto* button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [this, index] {
        auto* dialog = new QColorDialog(QColor(m_entry.value(index).toString()), this);
        dialog->setObjectName(QStringLiteral("colourPicker"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QColorDialog::colorSelected, this, [this, index](const QColor& colour) {
            changed(index, colour.name(QColor::HexRgb));
            showValue(index);
        });
        dialog->open();
    });
    paintColourButton(button, m_entry.settings().at(index).value.toString());
    return button;
}

QWidget* CustomiseWindow::makeListField(int index) {
    auto* list = new QPlainTextEdit(this);
    list->setTabChangesFocus(true);
    list->setPlaceholderText(QCoreApplication::translate("CustomiseWindow", "One item a line"));
    list->setMaximumHeight(110);
    list->setPlainText(m_entry.settings().at(index).value.toStringList().join(QLatin1Char('\n')));
    connect(list, &QPlainTextEdit::textChanged, this,
            [this, index, list] { changed(index, itemsOf(list->toPlainText())); });
    return list;
}

QWidget* CustomiseWindow::makeReadOnlyField(int index) {
    const QString& literal = m_entry.settings().at(index).literal;
    if (literal.contains(QLatin1Char('\n'))) {
        auto* box = new QPlainTextEdit(literal, this);
        box->setReadOnly(true);
        box->setTabChangesFocus(true);
        box->setMaximumHeight(90);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        return box;
    }
    auto* line = new QLineEdit(literal, this);
    line->setReadOnly(true);
    return line;
}

void CustomiseWindow::showValue(int index) {
    QWidget* field = index < m_fields.size() ? m_fields.at(index) : nullptr;
    const QVariant value = m_entry.value(index);
    const Setting& setting = m_entry.settings().at(index);
    if (!field)
        return;
    const QSignalBlocker blocker(field);
    switch (setting.type) {
    case Type::Number:
        static_cast<QDoubleSpinBox*>(field)->setValue(value.toDouble());
        break;
    case Type::Boolean:
        static_cast<QCheckBox*>(field)->setChecked(value.toBool());
        break;
    case Type::String:
        static_cast<QLineEdit*>(field)->setText(value.toString());
        break;
    case Type::Colour:
        paintColourButton(static_cast<QPushButton*>(field), value.toString());
        break;
    case Type::StringList:
        static_cast<QPlainTextEdit*>(field)->setPlainText(
            value.toStringList().join(QLatin1Char('\n')));
        break;
    case Type::Other:
        break;
    }
}

void CustomiseWindow::changed(int index, const QVariant& value) {
    if (!m_entry.setValue(index, value))
        return;
    updateCode();
    m_previewDelay.start();
}

void CustomiseWindow::resetToDefaults() {
    m_entry.reset();
    for (int i = 0; i < m_fields.size(); ++i)
        showValue(i);
    updateCode();
    m_previewDelay.start();
}

void CustomiseWindow::updateCode() {
    for (int i = 0; i < m_codeBoxes.size(); ++i) {
        QPlainTextEdit* box = m_codeBoxes.at(i);
        const QString code = m_entry.blockCode(m_codeBlocks.at(i));
        if (box->toPlainText() == code)
            continue;
        const int scroll = box->verticalScrollBar()->value();
        box->setPlainText(code);
        box->verticalScrollBar()->setValue(scroll);
    }
}

QString CustomiseWindow::allBlocks() const {
    return EntryDocument::fromEntry(m_entry.customised()).allBlocksText();
}

void CustomiseWindow::copyAllBlocks() {
    m_commands->copyAllBlocks(focusWidget() ? focusWidget() : this);
}

QString CustomiseWindow::baseAddress() const {
    const ScriptEntry& entry = m_entry.original();
    const QString page = entry.hasSample() ? entry.samplePage : QStringLiteral("preview.htm");
    return QUrl::fromLocalFile(m_siteFolder + QStringLiteral("/tagloom/samples/") + page)
        .toString();
}

PageSnippet CustomiseWindow::pageSnippet() const {
    return PageSnippet::fromEntry(m_entry.customised());
}

void CustomiseWindow::commitTyping() {
    // A spin box takes typed digits only when it loses the focus or Return is pressed; the
    // user means what the box shows.
    for (QWidget* field : std::as_const(m_fields)) {
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(field))
            spin->interpretText();
    }
}

void CustomiseWindow::putIntoPage() {
    commitTyping();
    if (m_pages) // gone only while the program ends
        m_pages->putSnippetIntoPage(pageSnippet(), this);
}

void CustomiseWindow::removeFromPage() {
    if (m_pages)
        m_pages->removeSnippetFromPage(pageSnippet(), this);
}

void CustomiseWindow::refreshPreview() {
    m_previewDelay.stop();
    m_preview->showPage(PreviewPage::forEntry(m_entry.customised()), baseAddress());
}
