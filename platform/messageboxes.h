// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Modal messages and choices, behind an interface so tests can answer them without a modal
// loop.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;

    // A message with an OK button only.
    virtual void inform(QWidget* parent, const QString& title, const QString& text,
                        Icon icon = Icon::None) = 0;

    // A Yes/No question; defaultAnswer is the button that Enter presses.
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                            Answer defaultAnswer, Icon icon = Icon::None) = 0;

    // As inform and askYesNo, with technical details (an error's own wording) kept out of
    // the text and shown only on request.
    virtual void report(QWidget* parent, const QString& title, const QString& text,
                        const QString& details, Icon icon = Icon::Warning) {
        Q_UNUSED(details);
        inform(parent, title, text, icon);
    }
    virtual Answer askYesNoWithDetails(QWidget* parent, const QString& title, const QString& text,
                                       const QString& details, Answer defaultAnswer,
                                       Icon icon = Icon::Warning) {
        Q_UNUSED(details);
        return askYesNo(parent, title, text, defaultAnswer, icon);
    }

    // One of items, by index; -1 when cancelled.
    virtual int choose(QWidget* parent, const QString& title, const QString& text,
                       const QStringList& items) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(text);
        Q_UNUSED(items);
        return -1;
    }
    // A path, or an empty string when cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const QString& title,
                                     const QString& suggested, const QString& filter) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(suggested);
        Q_UNUSED(filter);
        return {};
    }
    virtual QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& folder,
                                     const QString& filter) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(folder);
        Q_UNUSED(filter);
        return {};
    }
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& folder) {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(folder);
        return {};
    }
};

class WidgetMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& title, const QString& text,
                Icon icon = Icon::None) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text,
                    Answer defaultAnswer, Icon icon = Icon::None) override;
    void report(QWidget* parent, const QString& title, const QString& text, const QString& details,
                Icon icon = Icon::Warning) override;
    Answer askYesNoWithDetails(QWidget* parent, const QString& title, const QString& text,
                               const QString& details, Answer defaultAnswer,
                               Icon icon = Icon::Warning) override;
    int choose(QWidget* parent, const QString& title, const QString& text,
               const QStringList& items) override;
    QString chooseFileToSave(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter) override;
    QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& folder) override;
};
