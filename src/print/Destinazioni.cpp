#include "print/Destinazioni.h"

#include "archivi/DBEngine.h"
#include "print/Ambiente.h"
#include "print/NumeroDelCampo.h"

namespace {

Destinazione letta(const Recordset& stampanti) {
    return {stampanti.Campo(QStringLiteral("Destinazione")).testo(),
            stampanti.Campo(QStringLiteral("Linea")).testo(),
            NumeroDelCampo(stampanti.Campo(QStringLiteral("TipoStampa")))};
}

} // namespace

QString Destinazione::bersaglio() const {
    const QString variabile = VariabileAmbiente(nome).value_or(QString());
    return variabile.isEmpty() ? linea : variabile;
}

std::vector<Destinazione> DestinazioniDelMenu() {
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Stampanti.mdb"));
    Recordset stampanti = archivio.OpenRecordset(QStringLiteral("Stampanti"));
    const Criterio hotel1 = Campo(QStringLiteral("NumeroHotel")) == Valore(1);
    std::vector<Destinazione> destinazioni;
    for (stampanti.FindFirst(hotel1); !stampanti.NoMatch(); stampanti.FindNext(hotel1))
        destinazioni.push_back(letta(stampanti));
    archivio.Close();
    return destinazioni;
}

std::optional<QString> DestinazionePdf(const QStringList& nomi) {
    std::optional<QString> scelta;
    for (const QString& nome : nomi)
        if (nome.contains(QLatin1String("PDF")))
            scelta = nome;
    return scelta;
}

std::optional<Destinazione> TrovaDestinazione(const QString& nome) {
    Database archivio = DBEngine::istanza().OpenDatabase(QStringLiteral("Stampanti.mdb"));
    Recordset stampanti = archivio.OpenRecordset(QStringLiteral("Stampanti"));
    stampanti.FindFirst(Campo(QStringLiteral("Destinazione")) == Valore(nome));
    std::optional<Destinazione> trovata;
    if (!stampanti.NoMatch())
        trovata = letta(stampanti);
    archivio.Close();
    return trovata;
}
