// Build step: writes the manual "Guida.pdf" from the help texts compiled into the program.
#include "manual/Manual.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_manual <Guida.pdf>\n");
        return 2;
    }
    if (!manual::writeManual(args.at(1))) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
