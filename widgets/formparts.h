// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

namespace MyScripts {

// The text after a user's edit turned `before` into `after`, cut so that no more than
// maxLength characters remain. Only the inserted part is shortened, and text that was already
// longer (put there by the program) may shrink but not grow.
QString clampEdit(const QString& before, const QString& after, int maxLength, int* cursor);

// A plain-text label over the window's picture: user text is never read as markup.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool bold = false);

} // namespace MyScripts

// A single-line box whose limit applies to typing and pasting only: text the program puts in
// is kept whole, so an entry stored longer elsewhere is not cut short by opening it.
class LimitedLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    // The line edit's own cap is lifted too, so long pasted text is never cut silently.
    static constexpr int NoLimit = std::numeric_limits<int>::max();

    explicit LimitedLineEdit(int maxLength, QWidget* parent = nullptr);
    void setValue(const QString& text);
    int limit() const { return m_limit; }

private:
    void onTextChanged(const QString& text);

    int m_limit;
    QString m_accepted;
    bool m_programmatic = false;
};

// A multi-line plain-text box. value() gives the text exactly as typed (no-break spaces and
// all); with a limit it behaves like LimitedLineEdit. The document turns CR LF and lone CR into
// its own line breaks, so text the program put in comes back unchanged while untouched, and
// with its own kind of line break once edited.
class LimitedTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(int maxLength = -1, QWidget* parent = nullptr);
    QString value() const;
    void setValue(const QString& text);

private:
    void onTextChanged();
    QString shownText() const;

    int m_limit;
    QString m_original;
    QString m_originalShown;
    QString m_accepted;
    bool m_programmatic = false;
};
