// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/formparts.h"

#include "platform/uifonts.h"

#include <QTextBlock>
#include <QTextDocument>

namespace MyScripts {

QString clampEdit(const QString& before, const QString& after, int maxLength, int* cursor) {
    if (maxLength < 0 || after.size() <= maxLength || after.size() <= before.size())
        return after;
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const qsizetype inserted = after.size() - prefix - suffix;
    const qsizetype kept = after.size() - inserted;
    qsizetype allowed = qBound<qsizetype>(0, maxLength - kept, inserted);
    // Never keep half of a surrogate pair.
    if (allowed > 0 && after.at(prefix + allowed - 1).isHighSurrogate())
        --allowed;
    if (cursor)
        *cursor = int(prefix + allowed);
    return after.left(prefix) + after.mid(prefix, allowed) + after.right(suffix);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(bold ? UiFonts::bold() : UiFonts::normal());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace MyScripts

LimitedLineEdit::LimitedLineEdit(int maxLength, QWidget* parent)
    : QLineEdit(parent)
    , m_limit(maxLength) {
    setFont(UiFonts::normal());
    setMaxLength(NoLimit);
    connect(this, &QLineEdit::textChanged, this, &LimitedLineEdit::onTextChanged);
}

void LimitedLineEdit::setValue(const QString& text) {
    m_programmatic = true;
    setText(text);
    m_programmatic = false;
    m_accepted = text;
}

void LimitedLineEdit::onTextChanged(const QString& text) {
    if (m_programmatic)
        return;
    int cursor = 0;
    const QString clamped = MyScripts::clampEdit(m_accepted, text, m_limit, &cursor);
    if (clamped != text) {
        m_programmatic = true;
        setText(clamped);
        setCursorPosition(cursor);
        m_programmatic = false;
    }
    m_accepted = clamped;
}

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_limit(maxLength) {
    setFont(UiFonts::normal());
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::onTextChanged);
}

QString LimitedTextEdit::shownText() const {
    // toPlainText() would turn no-break spaces into plain ones; the raw text keeps them.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QString LimitedTextEdit::value() const {
    const QString shown = shownText();
    if (shown == m_originalShown)
        return m_original;
    if (m_original.contains(QLatin1String("\r\n"))) {
        QString text = shown;
        return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    }
    return shown;
}

void LimitedTextEdit::setValue(const QString& text) {
    m_programmatic = true;
    setPlainText(text);
    m_programmatic = false;
    m_original = text;
    m_originalShown = shownText();
    m_accepted = m_originalShown;
}

void LimitedTextEdit::onTextChanged() {
    if (m_programmatic)
        return;
    const QString now = shownText();
    int cursorPos = 0;
    const QString clamped = MyScripts::clampEdit(m_accepted, now, m_limit, &cursorPos);
    if (clamped != now) {
        m_programmatic = true;
        setPlainText(clamped);
        QTextCursor cursor = textCursor();
        cursor.setPosition(cursorPos);
        setTextCursor(cursor);
        m_programmatic = false;
    }
    m_accepted = clamped;
}
