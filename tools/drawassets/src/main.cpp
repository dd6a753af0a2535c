// drawassets [ASSETS_DIR]: draws every picture of the program into ASSETS_DIR
// (by default the repository's assets/ folder). Needs no display.
#include "assets.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Fonts need a GUI application object, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() > 2) {
        std::fprintf(stderr, "usage: drawassets [ASSETS_DIR]\n");
        return 2;
    }
    const QString dir = args.size() == 2 ? args[1] : QStringLiteral(DRAWASSETS_DEFAULT_OUT);
    if (!draw::writeAll(dir))
        return 1;
    std::printf("drawassets: pictures written to %s\n", qPrintable(dir));
    return 0;
}
