#include "demo/GeneraDemo.h"
#include "mdbwriter/ErroreScrittura.h"
#include "routines/Errore.h"
#include "routines/ScriviMessaggio.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

// genera-demo CARTELLA [--data gg/mm/aaaa] [--seme N] [--camere N --anni N
// --camere-per-tableau N]
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream errori(stderr);
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
    } catch (const Errore& errore) {
        ScriviMessaggio(errori, errore.righe());
        return errore.genere() == GenereErrore::RigaDiComando ? 2 : 1;
    } catch (const ErroreScrittura& errore) {
        ScriviMessaggio(errori, {QString::fromStdString(errore.what())});
        return 1;
    }
}
