// SPDX-License-Identifier: GPL-3.0-or-later
#include "find/findregistration.h"

#include "find/findpalette.h"
#include "kit/appcontext.h"
#include "kit/windowregistry.h"
#include "model/catalogue.h"
#include "model/searchindex.h"

#include <QApplication>
#include <QKeyEvent>

#include <optional>

namespace {

const QString kPalette = QStringLiteral("frmFindScript");

// Holds the index between openings of the palette and answers Ctrl+K wherever the focus is;
// text boxes would otherwise take Ctrl+K as "delete to the end of the line".
class FindService final : public QObject {
public:
    FindService(AppContext& context, QObject* parent)
        : QObject(parent)
        , m_context(context) {
        qApp->installEventFilter(this);
    }

    SearchIndex& index() {
        if (!m_index)
            m_index = m_context.catalogue ? SearchIndex::fromCatalogue(*m_context.catalogue)
                                          : SearchIndex();
        return *m_index;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
            watched->isWidgetType() && !QApplication::activeModalWidget()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_K && key->modifiers() == Qt::ControlModifier) {
                if (type == QEvent::ShortcutOverride) {
                    // Not taken by the focused box, so a window's own Ctrl+K still fires.
                    event->ignore();
                    return true;
                }
                if (m_context.windows)
                    m_context.windows->show(kPalette);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    AppContext& m_context;
    std::optional<SearchIndex> m_index;
};

} // namespace

void registerFindWindows(AppContext& context, QObject* owner) {
    if (!context.windows)
        return;
    auto* service = new FindService(context, owner);
    AppContext* ctx = &context;
    context.windows->registerWindow(kPalette, WindowRegistry::Placement::TopLevel, [ctx, service] {
        return new FindPalette(*ctx, [service]() -> SearchIndex& { return service->index(); });
    });
}
