// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/cataloguecommands.h"
#include "cli/pagecommand.h"
#include "cli/programcommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace CommandLine {

void Dispatcher::add(Command command) {
    m_commands.append(std::move(command));
}

bool Dispatcher::knows(const QString& option) const {
    for (const Command& command : m_commands) {
        if (command.option == option)
            return true;
    }
    return false;
}

int Dispatcher::run(const QStringList& arguments, Io& io) const {
    const QString option = arguments.value(0);
    for (const Command& command : m_commands) {
        if (command.option == option)
            return command.run(arguments.mid(1), io);
    }
    io.err
        << QCoreApplication::translate("CommandLine", "tagloom: unknown option %1\n\n").arg(option)
        << usage();
    return BadUsage;
}

QString Dispatcher::usage() const {
    QString text = QCoreApplication::translate(
        "CommandLine", "Usage: tagloom [OPTION]\n"
                       "Without an option the program opens its windows.\n\n");
    int width = 0;
    for (const Command& command : m_commands)
        width = std::max(width, int(command.synopsis.size()));
    for (const Command& command : m_commands)
        text += QStringLiteral("  %1  %2\n").arg(command.synopsis, -width).arg(command.summary);
    text += QCoreApplication::translate(
        "CommandLine", "\nExit status: 0 on success, 1 when nothing matches, 2 on bad "
                       "usage.\n");
    return text;
}

Dispatcher standardDispatcher(const Places& places) {
    Dispatcher dispatcher;
    addCatalogueCommands(dispatcher, places);
    PageCommand::addTo(dispatcher, places);
    addProgramCommands(dispatcher);
    return dispatcher;
}

bool wanted(int argc, char* argv[]) {
    if (argc < 2 || std::strncmp(argv[1], "--", 2) != 0)
        return false;
    // Qt accepts its window options with two dashes as well; those still open the windows.
    static const char* const windowOptions[] = {"--platform",      "--platformpluginpath",
                                                "--platformtheme", "--plugin",
                                                "--display",       "--style",
                                                "--stylesheet",    "--session",
                                                "--reverse",       "--qwindowgeometry",
                                                "--qwindowtitle",  "--qwindowicon",
                                                "--widgetcount",   "--qmljsdebugger"};
    const char* option = argv[1];
    for (const char* windowOption : windowOptions) {
        const size_t length = std::strlen(windowOption);
        if (std::strncmp(option, windowOption, length) == 0 &&
            (option[length] == '\0' || option[length] == '='))
            return false;
    }
    return true;
}

int run(int argc, char* argv[], const Places& places) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tagloom"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    Io io{out, err};
    const int code = standardDispatcher(places).run(QCoreApplication::arguments().mid(1), io);
    out.flush();
    err.flush();
    return code;
}

} // namespace CommandLine
