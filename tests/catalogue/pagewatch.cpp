// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagewatch.h"

namespace {

const char kWatchStart[] = R"JS(
(function () {
  if (window.__tagloomWatch) return;
  window.__tagloomWatch = true;
  var report = console.error.bind(console);
  window.addEventListener('error', function (e) {
    var t = e.target;
    if (t && t !== window && t.tagName) {
      report('tagloom-check: failed resource <' + t.tagName.toLowerCase() + '> ' +
             (t.currentSrc || t.src || t.href || ''));
    } else {
      // Checked once every other listener has run: an error the page's own handler
      // cancels (window.onerror returning true) counts as handled.
      setTimeout(function () {
        if (!e.defaultPrevented)
          report('tagloom-check: uncaught error: ' + e.message + ' (' + e.filename + ':' + e.lineno + ')');
      }, 0);
    }
  }, true);
  window.addEventListener('unhandledrejection', function (e) {
    var r = e.reason;
    report('tagloom-check: unhandled rejection: ' + (r && r.message ? r.message : String(r)));
  });
)JS";

const char kWatchEnd[] = R"JS(
})();
)JS";

} // namespace

QWebEngineScript pageWatchScript(const QString& more) {
    QWebEngineScript watch;
    watch.setName(QStringLiteral("tagloom-watch"));
    watch.setInjectionPoint(QWebEngineScript::DocumentCreation);
    watch.setWorldId(QWebEngineScript::MainWorld);
    watch.setRunsOnSubFrames(true);
    watch.setSourceCode(QString::fromUtf8(kWatchStart) + more + QString::fromUtf8(kWatchEnd));
    return watch;
}
