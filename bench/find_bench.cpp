// SPDX-License-Identifier: GPL-3.0-or-later
// usage: tagloom_find_bench [runs]  (default 11; run with QT_QPA_PLATFORM=offscreen)
// Reports, for the Find Script palette, the median time from a keystroke to a filled result
// list over the catalogue and the user's entries (238) and over a catalogue 20 times larger,
// the time to build the index on first use, and the median wall-clock time of each
// command-line command of the real program.
#include "platform/uifonts.h"

#include "find/findpalette.h"
#include "kit/appcontext.h"
#include "kit/services.h"
#include "model/catalogue.h"
#include "model/searchindex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

namespace {

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

double maximum(const QList<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

// Queries typed letter by letter: every prefix is one keystroke.
const QStringList kQueries = {QStringLiteral("live text clock"),
                              QStringLiteral("pasword"),
                              QStringLiteral("clok"),
                              QStringLiteral("popup window"),
                              QStringLiteral("status bar scroller"),
                              QStringLiteral("getelementbyid"),
                              QStringLiteral("onmouseover"),
                              QStringLiteral("qqqzzz"),
                              QStringLiteral("menu"),
                              QStringLiteral("a"),
                              QStringLiteral("e")};

// The user's entries as the palette reads them at each opening.
class BenchMyScripts final : public MyScriptsService {
public:
    explicit BenchMyScripts(int count) {
        for (int i = 0; i < count; ++i)
            m_entries.append(
                {QStringLiteral("My Script Number %1").arg(i + 1),
                 QStringLiteral("A script of my own for the club page, version %1").arg(i)});
    }
    void fillList(QListWidget*) override {}
    void dispatch(const QString&) override {}
    void clearAllEntries() override {}
    QList<EntrySummary> entrySummaries() override { return m_entries; }

private:
    QList<EntrySummary> m_entries;
};

QList<SearchDocument> userEntries(int count) {
    QList<SearchDocument> documents;
    for (int i = 0; i < count; ++i) {
        SearchDocument document;
        document.key = document.title = QStringLiteral("My Script Number %1").arg(i + 1);
        document.category = QStringLiteral("My Scripts!");
        document.description =
            QStringLiteral("A script of my own for the club page, version %1").arg(i);
        documents.append(document);
    }
    return documents;
}

SearchIndex scaled(const Catalogue& catalogue, int factor) {
    SearchIndex base = SearchIndex::fromCatalogue(catalogue);
    SearchIndex index;
    for (int copy = 0; copy < factor; ++copy) {
        for (int i = 0; i < base.size(); ++i) {
            SearchDocument document = base.document(i);
            // Different titles in every copy, so ties do not make the work easier.
            document.title += QStringLiteral(" %1").arg(copy);
            document.key += QStringLiteral("_%1").arg(copy);
            index.add(document);
        }
    }
    return index;
}

QList<double> keystrokeTimes(SearchIndex& index, int userEntries, int runs) {
    BenchMyScripts mine(userEntries);
    AppContext context;
    context.myScripts = &mine;
    FindPalette palette(context, [&index]() -> SearchIndex& { return index; });
    palette.show();
    QList<double> millis;
    for (int run = 0; run < runs; ++run) {
        for (const QString& query : kQueries) {
            for (int length = 1; length <= query.size(); ++length) {
                QElapsedTimer timer;
                timer.start();
                palette.searchField()->setText(query.left(length)); // searches and fills
                millis.append(double(timer.nsecsElapsed()) / 1e6);
            }
        }
    }
    return millis;
}

QList<double> commandTimes(const QStringList& arguments, int runs, int* exitCode) {
    QList<double> millis;
    for (int run = 0; run < runs; ++run) {
        QProcess program;
        QElapsedTimer timer;
        timer.start();
        program.start(QStringLiteral(TAGLOOM_PROGRAM), arguments);
        program.waitForFinished(30000);
        millis.append(double(timer.nsecsElapsed()) / 1e6);
        *exitCode = program.exitCode();
    }
    return millis;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UiFonts::install();
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 11;
    QTextStream out(stdout);

    const Catalogue catalogue;
    QElapsedTimer build;
    build.start();
    SearchIndex index = SearchIndex::fromCatalogue(catalogue);
    const double buildMs = double(build.nsecsElapsed()) / 1e6;
    index.setUserEntries(userEntries(30));
    out << "index build on first use (parse and index the catalogue's " << index.size() - 30
        << " entries): " << buildMs << " ms\n";

    const QList<double> normal = keystrokeTimes(index, 30, runs);
    out << "keystroke to filled list, " << index.size() << " entries: median " << median(normal)
        << " ms, max " << maximum(normal) << " ms (" << normal.size() << " keystrokes)\n";

    SearchIndex large = scaled(catalogue, 20);
    large.setUserEntries(userEntries(30 * 20));
    const QList<double> big = keystrokeTimes(large, 30 * 20, std::max(1, runs / 3));
    out << "keystroke to filled list, " << large.size() << " entries: median " << median(big)
        << " ms, max " << maximum(big) << " ms (" << big.size() << " keystrokes)\n";

    const QList<QStringList> commands = {
        {QStringLiteral("--help")},
        {QStringLiteral("--version")},
        {QStringLiteral("--list")},
        {QStringLiteral("--list"), QStringLiteral("Clocks and Dates")},
        {QStringLiteral("--search"), QStringLiteral("clok")},
        {QStringLiteral("--print"), QStringLiteral("Tavros' Slide-in Menu *")},
        {QStringLiteral("--print"), QStringLiteral("Falling Text"), QStringLiteral("--block"),
         QStringLiteral("2")},
        {QStringLiteral("--print"), QStringLiteral("no such script")}};
    for (const QStringList& arguments : commands) {
        int exitCode = -1;
        const QList<double> millis = commandTimes(arguments, runs, &exitCode);
        out << "tagloom " << arguments.join(QLatin1Char(' ')) << ": median " << median(millis)
            << " ms, max " << maximum(millis) << " ms, exit " << exitCode << '\n';
    }
    return 0;
}
