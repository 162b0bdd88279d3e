#include "archivi/ErroreArchivio.h"

#include "routines/MotivoDiSistema.h"

ErroreArchivio::ErroreArchivio(const QString& messaggio)
    : std::runtime_error(messaggio.toStdString()) {}

QString ErroreArchivio::messaggio() const {
    return QString::fromStdString(what());
}

ErroreArchivio ArchivioNonLeggibile(const QString& nome, int codiceErrore) {
    return ErroreArchivio(
        QStringLiteral("Archivio non leggibile: %1 (%2)").arg(nome, MotivoDiSistema(codiceErrore)));
}
