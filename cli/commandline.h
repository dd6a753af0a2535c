// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// The command-line mode: answers on standard output and exits, without a window or a display.
// Each command is an option such as "--print"; a subsystem adds its commands in a file of its
// own through an add...Commands(Dispatcher&) function listed in standardDispatcher().
namespace CommandLine {

enum Exit { Success = 0, NothingFound = 1, BadUsage = 2 };

struct Io {
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    QString option;   // "--print"
    QString synopsis; // "--print TITLE [--block N]"
    QString summary;  // one line for --help
    // Gets the arguments after the option; returns an Exit value.
    std::function<int(const QStringList& arguments, Io& io)> run;
};

// Where the installation keeps what entries point at (the bundled site, the scripts folder).
// Asked only by the commands that show entries; empty answers leave the entries' own text.
struct Places {
    std::function<QString()> siteBase;
    std::function<QString()> scriptsFolder;
};

class Dispatcher {
public:
    void add(Command command);
    const QList<Command>& commands() const { return m_commands; }
    bool knows(const QString& option) const;
    // arguments[0] is the option; unknown options are bad usage.
    int run(const QStringList& arguments, Io& io) const;
    QString usage() const;

private:
    QList<Command> m_commands;
};

// Every command of the program.
Dispatcher standardDispatcher(const Places& places = {});

// Whether the arguments ask for the command-line mode rather than the windows: the first
// argument is a "--" option that is not one of Qt's own window options.
bool wanted(int argc, char* argv[]);
// Runs the command line over a QCoreApplication; returns the exit code.
int run(int argc, char* argv[], const Places& places = {});

} // namespace CommandLine
