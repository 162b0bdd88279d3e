#include "msgbox/TitoloErrore.h"

QString TitoloArchivio() {
    return QStringLiteral("Archivio non disponibile");
}

QString TitoloErrore(const Errore& errore, const QString& titoloAzione) {
    return errore.genere() == GenereErrore::Archivio ? TitoloArchivio() : titoloAzione;
}
