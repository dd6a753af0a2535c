// SPDX-License-Identifier: GPL-3.0-or-later
#include "find/findpalette.h"

#include "kit/appcontext.h"
#include "kit/services.h"
#include "kit/windowplacement.h"
#include "kit/windowregistry.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const int kDetailLength = 90;

using Marks = QList<QPair<int, int>>;

QVariant marksToVariant(const Marks& marks) {
    QVariantList list;
    for (const auto& [start, length] : marks)
        list.append(QPoint(start, length));
    return list;
}

Marks marksFromVariant(const QVariant& value) {
    Marks marks;
    const QVariantList list = value.toList();
    for (const QVariant& item : list)
        marks.append({item.toPoint().x(), item.toPoint().y()});
    return marks;
}

// Escaped text with the marked letters underlined (and tinted when not selected).
QString markedHtml(const QString& text, const Marks& marks, bool selected) {
    QList<bool> marked(text.size(), false);
    for (const auto& [start, length] : marks) {
        for (int i = std::max(0, start); i < std::min(int(text.size()), start + length); ++i)
            marked[i] = true;
    }
    const QString open =
        selected ? QStringLiteral("<u>") : QStringLiteral("<u style=\"background-color:#ffe58a\">");
    QString html;
    bool inside = false;
    for (int i = 0; i < text.size(); ++i) {
        if (marked.at(i) != inside) {
            html += marked.at(i) ? open : QStringLiteral("</u>");
            inside = marked.at(i);
        }
        html += QString(text.at(i)).toHtmlEscaped();
    }
    if (inside)
        html += QStringLiteral("</u>");
    return html;
}

// Two lines per row: the title, then category and the start of the description.
class ResultDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const bool selected = option.state & QStyle::State_Selected;
        const QColor text =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor detail = text;
        if (!selected)
            detail.setAlpha(170);
        const QString html =
            QStringLiteral("<div style=\"color:%1\"><b>%2</b></div>"
                           "<div style=\"color:%3\">%4</div>")
                .arg(text.name(QColor::HexArgb),
                     markedHtml(index.data(FindPalette::TitleRole).toString(),
                                marksFromVariant(index.data(FindPalette::TitleMarksRole)),
                                selected),
                     detail.name(QColor::HexArgb),
                     markedHtml(index.data(FindPalette::DetailRole).toString(),
                                marksFromVariant(index.data(FindPalette::DetailMarksRole)),
                                selected));
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setDocumentMargin(2);
        document.setHtml(html);
        document.setTextWidth(option.rect.width() - 8);
        painter->save();
        painter->setClipRect(option.rect);
        painter->translate(option.rect.topLeft() + QPoint(4, 1));
        document.drawContents(painter);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFontMetrics metrics(option.font);
        return {200, metrics.lineSpacing() * 2 + 10};
    }
};

// The start of the description, or the part around its first match when that lies further on.
QPair<QString, int> detailText(const QString& description, const Marks& marks) {
    const QString flat = description.simplified();
    if (flat.size() <= kDetailLength)
        return {flat, 0};
    int from = 0;
    if (!marks.isEmpty() && marks.first().first + marks.first().second > kDetailLength - 10)
        from = std::max(0, marks.first().first - 30);
    QString shown = flat.mid(from, kDetailLength);
    int offset = from;
    if (from > 0) {
        shown.prepend(QStringLiteral("..."));
        offset -= 3;
    }
    if (from + kDetailLength < flat.size())
        shown += QStringLiteral("...");
    return {shown, offset};
}

} // namespace

FindPalette::FindPalette(AppContext& context, IndexSource index, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_index(std::move(index)) {
    setObjectName(QStringLiteral("frmFindScript"));
    setWindowTitle(QCoreApplication::translate("FindPalette", "Find Script"));
    resize(560, 400);

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("txtFind"));
    m_field->setPlaceholderText(
        QCoreApplication::translate("FindPalette", "Type part of a title, description or code"));
    m_field->setAccessibleName(QCoreApplication::translate("FindPalette", "Find script"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setAccessibleName(QCoreApplication::translate("FindPalette", "Matching scripts"));
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setUniformItemSizes(true);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->installEventFilter(this);
    connect(m_results, &QListWidget::itemActivated, this, [this] { openCurrent(); });

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addWidget(m_field);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_status);
    setFocusProxy(m_field);

    connect(m_field, &QLineEdit::textChanged, this, &FindPalette::runSearch);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escClose"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    WindowPlacement::centreOnScreen(this);
}

void FindPalette::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    readUserEntries();
    runSearch(m_field->text());
    m_field->selectAll();
    m_field->setFocus(Qt::OtherFocusReason);
}

void FindPalette::readUserEntries() {
    QList<SearchDocument> documents;
    const auto summaries = m_context.myScripts->entrySummaries();
    for (const auto& summary : summaries) {
        SearchDocument document;
        document.source = SearchDocument::Source::MyScript;
        document.key = summary.name;
        document.title = summary.name;
        document.category = QStringLiteral("My Scripts!");
        document.description = summary.description;
        documents.append(document);
    }
    m_index().setUserEntries(documents);
}

void FindPalette::runSearch(const QString& text) {
    const SearchIndex& index = m_index();
    m_hits = index.search(text, MaxRows);
    m_results->clear();
    for (const SearchIndex::Hit& hit : std::as_const(m_hits)) {
        const SearchDocument& document = index.document(hit.document);
        Marks detailMarks;
        const auto [detail, offset] = detailText(document.description, hit.descriptionMarks);
        const QString prefix = document.category + QStringLiteral(" - ");
        for (const auto& [start, length] : hit.descriptionMarks) {
            // Marks refer to the description as stored; the row shows it simplified, which only
            // moves them where runs of spaces were squeezed, so they are a close guide.
            const int at = start - offset + int(prefix.size());
            if (start - offset >= 0 && start - offset + length <= detail.size())
                detailMarks.append({at, length});
        }
        auto* item = new QListWidgetItem(m_results);
        item->setText(QCoreApplication::translate("FindPalette", "%1, %2: %3")
                          .arg(document.title, document.category, detail));
        item->setData(TitleRole, document.title);
        item->setData(TitleMarksRole, marksToVariant(hit.titleMarks));
        item->setData(DetailRole, prefix + detail);
        item->setData(DetailMarksRole, marksToVariant(detailMarks));
    }
    if (!m_hits.isEmpty())
        m_results->setCurrentRow(0);
    if (text.trimmed().isEmpty())
        m_status->setText(QCoreApplication::translate(
            "FindPalette", "Up and Down choose, Enter opens, Esc closes"));
    else if (m_hits.isEmpty())
        m_status->setText(QCoreApplication::translate("FindPalette", "No script matches"));
    else
        m_status->setText(
            m_hits.size() == 1
                ? QCoreApplication::translate("FindPalette", "1 script")
                : QCoreApplication::translate("FindPalette", "%1 scripts").arg(m_hits.size()));
}

void FindPalette::openCurrent() {
    const int row = m_results->currentRow();
    if (row < 0 || row >= m_hits.size())
        return;
    const SearchDocument document = m_index().document(m_hits.at(row).document);
    AppContext& context = m_context;
    close();
    if (document.source == SearchDocument::Source::MyScript) {
        context.myScripts->openEntry(document.key);
    } else {
        context.windows->show(document.key);
    }
}

bool FindPalette::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int count = m_results->count();
    switch (key->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openCurrent();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == m_field && count > 0) {
            const int step = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ? 1 : 8;
            const bool up = key->key() == Qt::Key_Up || key->key() == Qt::Key_PageUp;
            const int row = std::clamp(m_results->currentRow() + (up ? -step : step), 0, count - 1);
            m_results->setCurrentRow(row);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
