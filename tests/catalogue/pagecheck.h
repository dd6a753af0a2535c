// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class PageRun;
struct PageView;

// What one page did in the engine.
struct PageOutcome {
    bool ok = false;
    QString reason;            // why it failed: errors, missing files, load or probe failures
    QStringList accessibility; // controls without a name, pictures without alt, mouse-only
                               // controls
    bool inspected = false;    // false when the page never loaded far enough to look at it
};

// Loads pages in real browser views, several at a time, and judges each: uncaught errors, late
// rejections, failed resources, console errors and a probe that must become true. A page counts
// as settled when every timer due shortly after it became ready has run, so errors thrown right
// after the load are still heard without a fixed wait.
class PageChecker final : public QObject {
    Q_OBJECT
public:
    explicit PageChecker(int parallel, QObject* parent = nullptr);
    ~PageChecker() override;

    // Queues a page under `key`; pages are loaded in the order they were queued.
    void enqueue(const QString& key, const QUrl& url, const QString& probe);
    // The outcome for `key`, waiting for it; the next queued pages load meanwhile.
    PageOutcome outcome(const QString& key);

private:
    void startMore();
    void finished(PageRun* run);
    PageView& freeView();

    const int m_parallel;
    std::deque<QString> m_queue;
    QHash<QString, std::pair<QUrl, QString>> m_requests;
    QHash<QString, PageOutcome> m_done;
    QHash<QString, PageRun*> m_running;
    std::vector<std::unique_ptr<PageView>> m_views; // lent to the running pages
    QString m_waitingFor;
    std::function<void()> m_wakeUp;
};
