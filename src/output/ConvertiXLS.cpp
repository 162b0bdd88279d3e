#include "output/ConvertiXLS.h"

#include "output/RigaXLS.h"
#include "print/FileImpostazioni.h"
#include "print/LeggiRighe.h"
#include "print/NomiFile.h"
#include "routines/ConfermaSalvataggio.h"
#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"
#include "routines/TestoAnsi.h"
#include "routines/TrovaFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

QString ConvertiXLS(const QString& fileStampa, const PostoDiLavoro& posto) {
    const std::optional<QStringList> righe = LeggiRighe(TrovaFile(fileStampa).percorso());
    if (!righe)
        throw Errore(
            GenereErrore::Uscita,
            QStringLiteral("Il file di stampa %1 non esiste: il foglio di calcolo %2 non è stato "
                           "creato.")
                .arg(fileStampa,
                     QFileInfo(PercorsoFile(FileDiStampa::FoglioDiCalcolo, posto)).fileName()));
    return ScriviFoglioXLS(*righe, posto);
}

QString ScriviFoglioXLS(const QStringList& righe, const PostoDiLavoro& posto) {
    const SeparatoriXLS separatori = LeggiSeparatoriXLS();
    const QString foglio = PercorsoFile(FileDiStampa::FoglioDiCalcolo, posto);
    QByteArray contenuto;
    for (const QString& riga : righe)
        contenuto += InAnsi(ConvertiRigaXLS(riga, separatori)) + "\r\n";

    QSaveFile file(foglio);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() ||
        !ConfermaSalvataggio(file)) {
        const QString motivo = MotivoErroreFile(file, errno);
        throw Errore(
            GenereErrore::Uscita,
            QStringLiteral("Impossibile scrivere il foglio di calcolo %1 (%2); se è aperto in un "
                           "altro programma, chiuderlo e riprovare.")
                .arg(QFileInfo(foglio).fileName(), motivo));
    }
    return foglio;
}
