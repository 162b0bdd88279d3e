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
        if (opzioni.aiuto || opzioni.versione) {
            std::printf("%s", qUtf8Printable(
                                  opzioni.aiuto ? TestoAiutoDemo()
                                                : QStringLiteral("genera-demo " TS_VERSIONE "\n")));
            return 0;
        }
        const QStringList file = GeneraDemo(opzioni);
        std::printf("%s: %lld archivi scritti\n", qUtf8Printable(opzioni.cartella),
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
