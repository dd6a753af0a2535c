// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webtools/previewview.h"

#include "model/previewpage.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class ProcessTerminator;

// A sandboxed preview of a page with what it tried listed beneath it: requests that were
// blocked, dialogs (answered at once), windows and navigations not followed, script errors at
// their line in the user's code. A script that stops answering has its render process ended.
class PreviewPane final : public QWidget, private PreviewEvents {
    Q_OBJECT
public:
    // factory may be null (the web plugin could not be loaded); unavailable then says why.
    PreviewPane(PreviewViewFactory* factory, ProcessTerminator& terminator,
                const QString& siteFolder, const QString& unavailable, QWidget* parent = nullptr);
    ~PreviewPane() override;

    // Shows page as if it were the file at baseAddress; clears what the last page reported.
    void showPage(const PreviewPage& page, const QString& baseAddress);
    void tryAgain();

    PreviewView* view() const { return m_view.get(); }
    QListWidget* messages() const { return m_messages; }
    QLabel* dialogStrip() const { return m_dialogStrip; }
    QLabel* stopNotice() const { return m_stopNotice; }
    QPushButton* tryAgainButton() const { return m_tryAgain; }
    bool isStopped() const { return m_stopped; }

    // How long a script may keep the page from answering before its process is ended.
    static constexpr int kUnresponsiveMs = 3000;
    static constexpr int kMaxListed = 200;

signals:
    void pageLoaded(bool ok);

private:
    void requestBlocked(const QString& address) override;
    void dialogShown(Dialog kind, const QString& text) override;
    void leaveRefused(bool newWindow, const QString& address) override;
    void scriptMessage(Level level, const QString& message, int pageLine) override;
    void loadFinished(bool ok) override;
    void renderProcessEnded() override;

    void list(const QString& text);
    void checkResponsive();

    std::unique_ptr<PreviewView> m_view;
    ProcessTerminator& m_terminator;
    QLabel* m_dialogStrip = nullptr;
    QListWidget* m_messages = nullptr;
    QLabel* m_stopNotice = nullptr;
    QPushButton* m_tryAgain = nullptr;
    QWidget* m_stopRow = nullptr;

    PreviewPage m_page;
    QString m_baseAddress;
    int m_dialogs = 0;
    int m_unlisted = 0;
    bool m_stopped = false;
    bool m_endingProcess = false;

    QTimer m_watchdog;
    QElapsedTimer m_pingSent;
    bool m_pingPending = false;
    int m_pingSerial = 0;
};
