#include "archivi/ErroreArchivio.h"

#include "routines/MotivoDiSistema.h"

Errore ErroreArchivio(const QString& messaggio) {
    return Errore(GenereErrore::Archivio, messaggio);
}

Errore ArchivioNonLeggibile(const QString& nome, int codiceErrore) {
    return ErroreArchivio(
        QStringLiteral("Archivio non leggibile: %1 (%2)").arg(nome, MotivoDiSistema(codiceErrore)));
}
