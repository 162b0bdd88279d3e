#include "vistastampa/SalvaBlocco.h"

#include "routines/ConfermaSalvataggio.h"
#include "vistastampa/ComponiBlocco.h"
#include "vistastampa/DescriviErrore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::optional<QString> SalvaBlocco(const QString& percorso, BloccoDiStampa& blocco,
                                   const QString& testoVista) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return TestoErroreFile(QStringLiteral("Impossibile leggere il file di stampa"), file,
                               errno);
    const QByteArray vecchio = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TestoErroreFile(QStringLiteral("Impossibile leggere il file di stampa"), file,
                               errno);
    file.close();

    const QByteArray letto = blocco.Byte();
    if (blocco.Fine() > vecchio.size() || vecchio.mid(blocco.inizio, letto.size()) != letto) {
        return QStringLiteral("Il file di stampa \"%1\" è cambiato da quando è stato mostrato: "
                              "il testo non è stato salvato.")
            .arg(QFileInfo(percorso).fileName());
    }

    BloccoDiStampa nuovo{blocco.inizio, ComponiBlocco(blocco.righe, testoVista)};
    const QByteArray scritto = nuovo.Byte();
    if (scritto != letto) {
        QSaveFile salva(percorso);
        if (!salva.open(QIODevice::WriteOnly))
            return TestoErroreFile(QStringLiteral("Impossibile salvare il file di stampa"), salva,
                                   errno);
        salva.write(vecchio.left(blocco.inizio));
        salva.write(scritto);
        salva.write(vecchio.mid(blocco.Fine()));
        if (!ConfermaSalvataggio(salva))
            return TestoErroreFile(QStringLiteral("Impossibile salvare il file di stampa"), salva,
                                   errno);
    }
    blocco = std::move(nuovo);
    return std::nullopt;
}
