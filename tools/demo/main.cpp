#include "demo/GeneraDemo.h"
#include "mdbwriter/ErroreScrittura.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>
#include <stdexcept>

// genera-demo CARTELLA [--data gg/mm/aaaa] [--seme N] [--camere N --anni N
// --camere-per-tableau N]
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        const OpzioniDemo opzioni = LeggiOpzioniDemo(app.arguments(), QDate::currentDate());
        const QStringList file = GeneraDemo(opzioni);
        std::printf("%s: %lld archivi scritti\n", qPrintable(opzioni.cartella),
                    static_cast<long long>(file.size()));
        return 0;
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    } catch (const ErroreScrittura& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
