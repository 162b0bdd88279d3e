#include "demo/GeneraDemo.h"

#include "demo/AnagraficheDemo.h"
#include "demo/ArchiviDemo.h"
#include "demo/SoggiorniDemo.h"
#include "demo/StampaDemo.h"
#include "mdbwriter/ErroreScrittura.h"
#include "routines/MotivoDiSistema.h"

#include <QDir>

#include <cerrno>

QStringList GeneraDemo(const OpzioniDemo& opzioni) {
    if (!QDir().mkpath(opzioni.cartella))
        throw ErroreScrittura(QStringLiteral("Impossibile creare la cartella %1: %2.")
                                  .arg(opzioni.cartella, MotivoDiSistema(errno)));
    // Files carry the reference day as their creation date, so that one seed
    // and one day always give the same bytes.
    ArchiviDemo archivi(QDateTime(opzioni.riferimento, QTime(8, 0)));
    const std::vector<CameraDemo> camere = ScriviAnagrafiche(archivi, opzioni);
    ScriviSoggiorni(archivi, camere, opzioni);
    ScriviImpostazioniStampa(archivi);
    archivi.salva(opzioni.cartella);
    return archivi.file();
}
