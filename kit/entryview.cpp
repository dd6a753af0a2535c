// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/entryview.h"

#include "kit/appcontext.h"
#include "kit/largeview.h"
#include "widgets/codebox.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {

const int kConfirmationMs = 1500;

} // namespace

EntryViewCommands::EntryViewCommands(QWidget* window, AppContext* context, const EntryRef& entry,
                                     DocumentSource document, bool offerLargeView)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_entry(entry)
    , m_document(std::move(document))
    , m_offerLargeView(offerLargeView) {
    auto* copyAll = new QAction(copyAllCaption(), window);
    copyAll->setObjectName(QStringLiteral("actCopyAllBlocks"));
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->setShortcutContext(Qt::WindowShortcut);
    window->addAction(copyAll);
    connect(copyAll, &QAction::triggered, this, [this] {
        QWidget* focus = m_window->focusWidget();
        copyAllBlocks(focus ? focus : m_window);
    });
    if (m_context)
        m_context->entryActions->installShortcuts(window, [this] { return currentEntry(); });
}

void EntryViewCommands::addCodeBox(QPlainTextEdit* box, int block) {
    m_boxes.append({box, block});
    box->installEventFilter(this);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
        QMenu* menu = contextMenu(box);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(box->mapToGlobal(at));
    });
}

int EntryViewCommands::blockOf(const QObject* box) const {
    for (const auto& [candidate, block] : m_boxes) {
        if (candidate == box)
            return block;
    }
    return -1;
}

QMenu* EntryViewCommands::contextMenu(QPlainTextEdit* box) {
    QMenu* menu = box->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("codeMenu"));
    menu->addSeparator();
    QAction* copy = menu->addAction(QCoreApplication::translate("EntryViewCommands", "Copy &Code"));
    copy->setObjectName(QStringLiteral("actCopyCode"));
    connect(copy, &QAction::triggered, this, [this, box] { copyCode(box); });
    QAction* copyAll = menu->addAction(copyAllCaption());
    copyAll->setObjectName(QStringLiteral("actCopyAllBlocks"));
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copyAll, &QAction::triggered, this, [this, box] { copyAllBlocks(box); });
    if (m_offerLargeView) {
        QAction* large =
            menu->addAction(QCoreApplication::translate("EntryViewCommands", "Open &Large View"));
        large->setObjectName(QStringLiteral("actOpenLargeView"));
        connect(large, &QAction::triggered, this, [this] { openLargeView(); });
    }
    if (m_context && m_entry.isValid()) {
        EntryRef entry = m_entry;
        entry.block = blockOf(box);
        m_context->entryActions->addTo(menu, entry, m_window);
    }
    if (!m_menuActions.isEmpty())
        menu->addSeparator();
    for (QAction* action : std::as_const(m_menuActions)) {
        if (action)
            menu->addAction(action);
    }
    return menu;
}

void EntryViewCommands::addMenuActions(const QList<QAction*>& actions) {
    for (QAction* action : actions)
        m_menuActions.append(action);
}

bool EntryViewCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        const auto actions = m_window->actions();
        for (const QAction* action : actions) {
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void EntryViewCommands::copyCode(QPlainTextEdit* box) {
    copyWithConfirmation(box->toPlainText(), box,
                         QCoreApplication::translate("EntryViewCommands", "Code copied"));
}

void EntryViewCommands::copyAllBlocks(QWidget* where) {
    const EntryDocument document = m_document();
    const int count = document.codeBlockCount();
    copyWithConfirmation(
        document.allBlocksText(), where,
        count == 1
            ? QCoreApplication::translate("EntryViewCommands", "Code copied")
            : QCoreApplication::translate("EntryViewCommands", "All %1 blocks copied").arg(count));
}

void EntryViewCommands::copyWithConfirmation(const QString& text, QWidget* where,
                                             const QString& confirmation) {
    QGuiApplication::clipboard()->setText(text);
    if (!where)
        return;
    const QPoint at = where->mapToGlobal(QPoint(where->width() / 2, where->height() / 2));
    QToolTip::showText(at, confirmation, where, QRect(), kConfirmationMs);
}

LargeView* EntryViewCommands::openLargeView() {
    if (!m_largeView) {
        m_largeView = new LargeView(m_document(), m_context, m_entry, m_window);
    }
    m_largeView->show();
    m_largeView->raise();
    m_largeView->activateWindow();
    return m_largeView;
}

EntryRef EntryViewCommands::currentEntry() const {
    EntryRef entry = m_entry;
    entry.block = blockOf(m_window->focusWidget());
    return entry;
}
