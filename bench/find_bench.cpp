// SPDX-License-Identifier: GPL-3.0-or-later
// usage: tagloom_find_bench [runs] [--commands]  (default 11; run with QT_QPA_PLATFORM=offscreen)
// Reports, for the Find Script palette, the median time from a keystroke to a filled result
// list over the catalogue and the user's entries (238) and over a catalogue 20 times larger,
// the time to build the index on first use, and the median wall-clock time of each
// command-line command of the real program, as a user starts it (build/bin/tagloom).
// --commands times the commands alone.
#include "platform/uifonts.h"

#include "find/findpalette.h"
#include "kit/appcontext.h"
#include "kit/services.h"
#include "model/catalogue.h"
#include "model/searchindex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
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

QString load() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

double commandTime(const QStringList& arguments, int* exitCode) {
    QProcess program;
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(TAGLOOM_PROGRAM), arguments);
    program.waitForFinished(30000);
    const double millis = double(timer.nsecsElapsed()) / 1e6;
    *exitCode = program.exitCode();
    return millis;
}

// Each round runs every command once, so a change of the machine's load touches them all alike.
void timeCommands(int runs, QTextStream& out) {
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
    QList<QList<double>> millis(commands.size());
    QList<int> exitCodes(commands.size(), -1);
    const QString before = load();
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < commands.size(); ++i)
            millis[i].append(commandTime(commands.at(i), &exitCodes[i]));
    }
    out << "command line, " << runs << " runs each (load " << before << " -> " << load() << "):\n";
    double slowest = 0;
    for (int i = 0; i < commands.size(); ++i) {
        slowest = std::max(slowest, median(millis.at(i)));
        out << "  tagloom " << commands.at(i).join(QLatin1Char(' ')) << ": median "
            << median(millis.at(i)) << " ms, max " << maximum(millis.at(i)) << " ms, exit "
            << exitCodes.at(i) << '\n';
    }
    out << "  slowest median: " << slowest << " ms (target: under 50 ms)\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UiFonts::install();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool commandsOnly = arguments.removeAll(QStringLiteral("--commands")) > 0;
    const int runs = arguments.isEmpty() ? 11 : std::max(1, arguments.first().toInt());
    QTextStream out(stdout);
    if (commandsOnly) {
        timeCommands(runs, out);
        return 0;
    }

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

    timeCommands(runs, out);
    return 0;
}
