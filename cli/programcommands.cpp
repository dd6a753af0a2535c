// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/programcommands.h"

#include "cli/commandline.h"

#include <QCoreApplication>
#include <QTextStream>

namespace CommandLine {

void addProgramCommands(Dispatcher& dispatcher) {
    dispatcher.add({QStringLiteral("--help"), QStringLiteral("--help"),
                    QCoreApplication::translate("ProgramCommands", "show this help"),
                    [](const QStringList& arguments, Io& io) {
                        if (!arguments.isEmpty()) {
                            io.err << standardDispatcher().usage();
                            return int(BadUsage);
                        }
                        io.out << standardDispatcher().usage();
                        return int(Success);
                    }});
    dispatcher.add({QStringLiteral("--version"), QStringLiteral("--version"),
                    QCoreApplication::translate("ProgramCommands", "show the version"),
                    [](const QStringList& arguments, Io& io) {
                        if (!arguments.isEmpty()) {
                            io.err << QCoreApplication::translate(
                                "ProgramCommands", "tagloom: --version takes no argument\n");
                            return int(BadUsage);
                        }
                        io.out << "tagloom " << TAGLOOM_VERSION << '\n';
                        return int(Success);
                    }});
}

} // namespace CommandLine
