#include "print/FileStampa.h"

#include "print/ErroreStampa.h"
#include "print/LeggiRighe.h"
#include "print/NomiFile.h"
#include "routines/TestoAnsi.h"

#include <QDir>
#include <QFileInfo>

ScritturaFileStampa::ScritturaFileStampa(const PostoDiLavoro& posto)
    : file_(PercorsoFile(FileDiStampa::Stampa, posto)) {
    if (!file_.apri())
        fallito(QStringLiteral("aprire"));
}

void ScritturaFileStampa::fallito(const QString& azione) const {
    throw ErroreStampa(
        QStringLiteral("Impossibile %1 il file di stampa %2 (cartella %3): %4.\r\n"
                       "Il file di stampa precedente è rimasto com'era.")
            .arg(azione, QFileInfo(file_.fileName()).fileName(),
                 QDir::toNativeSeparators(QFileInfo(file_.fileName()).absolutePath()),
                 file_.errorString()));
}

void ScritturaFileStampa::scriviByte(const QByteArray& byte) {
    if (!file_.scrivi(byte))
        fallito(QStringLiteral("scrivere"));
    scritti_ += byte;
}

void ScritturaFileStampa::scriviRiga(const QString& riga) {
    scriviByte(InAnsi(riga) + "\r\n");
}

void ScritturaFileStampa::conferma() {
    if (!file_.conferma())
        fallito(QStringLiteral("salvare"));
}

void ScriviFileStampa(const PostoDiLavoro& posto, const QByteArray& contenuto) {
    ScritturaFileStampa scrittura(posto);
    scrittura.scriviByte(contenuto);
    scrittura.conferma();
}

std::optional<QStringList> LeggiFileStampa(const PostoDiLavoro& posto) {
    return LeggiRighe(PercorsoFile(FileDiStampa::Stampa, posto));
}
