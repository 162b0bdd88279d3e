#include "vistastampa/VistaStampa.h"

#include "vistastampa/SalvaBlocco.h"

#include <QFile>
#include <QFileInfo>

VistaStampa::VistaStampa(QString percorso) : percorso_(std::move(percorso)) {}

bool VistaStampa::Esiste() const {
    return QFileInfo(percorso_).isFile();
}

void VistaStampa::Apri() {
    if (Esiste())
        lettore_.Apri(percorso_);
}

void VistaStampa::Chiudi() {
    lettore_.Chiudi();
}

bool VistaStampa::prova(std::int32_t budget) {
    BloccoDiStampa blocco{lettore_.Posizione(), {}};
    std::int32_t caratteri = 0;
    RigaLetta riga;
    while (caratteri < budget) {
        const LettoreRighe::Esito esito = lettore_.Leggi(riga);
        if (esito == LettoreRighe::Esito::Guasto)
            return false;
        if (esito == LettoreRighe::Esito::Fine)
            break;
        caratteri += static_cast<std::int32_t>(riga.testo.size());
        blocco.righe.append(riga);
    }
    const bool fine = lettore_.AllaFine();
    if (lettore_.Guasto())
        return false;
    blocco_ = std::move(blocco);
    caratteri_ = caratteri;
    altro_ = fine ? 0 : 1;
    return true;
}

std::optional<QString> VistaStampa::riempiDa(qint64 posizione, std::int32_t budget) {
    if (lettore_.Aperto() && prova(budget))
        return std::nullopt;
    if (!QFile::exists(percorso_)) {
        QFile vuoto(percorso_);
        if (!vuoto.open(QIODevice::WriteOnly | QIODevice::Append))
            return QStringLiteral("Impossibile riaprire il file di stampa \"%1\".")
                .arg(QFileInfo(percorso_).fileName());
    }
    if (!lettore_.Apri(percorso_, posizione) || !prova(budget))
        return QStringLiteral("Impossibile leggere il file di stampa \"%1\".")
            .arg(QFileInfo(percorso_).fileName());
    return std::nullopt;
}

std::optional<QString> VistaStampa::Riempi(std::int32_t budget) {
    return riempiDa(lettore_.Aperto() ? lettore_.Posizione() : blocco_.Fine(), budget);
}

std::optional<QString> VistaStampa::Avanti() {
    return altro_ == 1 ? Riempi(kBudgetBlocco) : std::nullopt;
}

std::optional<QString> VistaStampa::Inizio() {
    lettore_.Chiudi();
    lettore_.Apri(percorso_);
    return riempiDa(0, kBudgetBlocco);
}

std::optional<QString> VistaStampa::Salva(const QString& testoVista) {
    lettore_.Chiudi();
    const std::optional<QString> problema = SalvaBlocco(percorso_, blocco_, testoVista);
    // The file may have been replaced: read on from the new one, after the
    // block in view.
    lettore_.Apri(percorso_, blocco_.Fine());
    return problema;
}

QString VistaStampa::Testo() const {
    QString testo;
    for (const QString& riga : blocco_.Vista())
        testo += riga + QStringLiteral("\r\n");
    return testo;
}
