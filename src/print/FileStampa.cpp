#include "print/FileStampa.h"

#include "print/LeggiRighe.h"
#include "print/NomiFile.h"
#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"
#include "routines/TestoAnsi.h"

#include <QDir>
#include <QFileInfo>

ScritturaFileStampa::ScritturaFileStampa(const PostoDiLavoro& posto)
    : file_(PercorsoFile(FileDiStampa::Stampa, posto)) {
    if (!file_.apri())
        fallito(QStringLiteral("aprire"));
}

void ScritturaFileStampa::fallito(const QString& azione) const {
    const QString motivo = MotivoDiSistema(file_.codiceErrore());
    const QFileInfo stampa(file_.fileName());
    QStringList righe{QStringLiteral("Impossibile %1 il file di stampa %2 (cartella %3): %4.")
                          .arg(azione, stampa.fileName(),
                               QDir::toNativeSeparators(stampa.absolutePath()), motivo)};
    // Nothing was put in the print file's place: a print file there is the
    // previous one.
    if (stampa.exists())
        righe << QStringLiteral("Il file di stampa precedente è rimasto com'era.");
    throw Errore(GenereErrore::FileStampa, righe);
}

void ScritturaFileStampa::scriviByte(const QByteArray& byte) {
    scritti_ += byte;
    inviaSePieno();
}

void ScritturaFileStampa::inviaSePieno() {
    if (scritti_.size() - inviati_ >= kBloccoDiScrittura)
        invia();
}

void ScritturaFileStampa::invia() {
    if (!file_.scrivi(
            QByteArray::fromRawData(scritti_.constData() + inviati_, scritti_.size() - inviati_)))
        fallito(QStringLiteral("scrivere"));
    inviati_ = scritti_.size();
}

void ScritturaFileStampa::scriviRiga(const QString& riga) {
    AggiungiInAnsi(scritti_, riga);
    scritti_ += "\r\n";
    inviaSePieno();
}

void ScritturaFileStampa::conferma() {
    invia();
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
