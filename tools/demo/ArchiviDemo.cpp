#include "demo/ArchiviDemo.h"

#include <QDir>

#include <stdexcept>

namespace {
QString FileDi(const QString& tabella) {
    return tabella + QStringLiteral(".mdb");
}
} // namespace

ArchiviDemo::ArchiviDemo(const QDateTime& creazione) : creazione_(creazione) {
    aggiungi(FileDi("AnagraficaHotels"), "AnagraficaHotels")
        .colonna("Numero", TipoJet::Integer)
        .colonna("RagioneSociale", TipoJet::Text, 50)
        .colonna("CodiceAssistenza", TipoJet::Text, 20)
        .colonna("Localita", TipoJet::Text, 40);
    aggiungi(FileDi("Tableau"), "Tableau")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("Codice", TipoJet::Integer)
        .colonna("Descrizione", TipoJet::Text, 40);
    aggiungi(FileDi("NumeriCamere"), "NumeriCamere")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("NumeroTableau", TipoJet::Integer)
        .colonna("NumeroCamera", TipoJet::Text, 10)
        .colonna("TipoCamera", TipoJet::Text, 5)
        .colonna("PostiLetto", TipoJet::Integer);
    aggiungi(FileDi("TipiCamere"), "TipiCamere")
        .colonna("Sigla", TipoJet::Text, 5)
        .colonna("Tipologia", TipoJet::Text, 1)
        .colonna("Descrizione", TipoJet::Text, 30);
    aggiungi(FileDi("Camere_Prenotazione"), "Camere_Prenotazione")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("NumeroCamera", TipoJet::Text, 10)
        .colonna("NumeroPrenotazione", TipoJet::Long)
        .colonna("TipoPrenotazione", TipoJet::Text, 1)
        .colonna("DataArrivo", TipoJet::Text, 8)
        .colonna("DataPartenza", TipoJet::Text, 8)
        .colonna("NumeroPersone", TipoJet::Integer);
    aggiungi(FileDi("Scheda_Prenotazione"), "Scheda_Prenotazione")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("NumeroPrenotazione", TipoJet::Long)
        .colonna("TipoPrenotazione", TipoJet::Text, 1)
        .colonna("Ditta", TipoJet::Text, 40)
        .colonna("NomeCliente", TipoJet::Text, 40)
        .colonna("Note", TipoJet::Memo);
    aggiungi(FileDi("Scheda_Cliente"), "Scheda_Cliente")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("NumeroCamera", TipoJet::Text, 10)
        .colonna("DataArrivo", TipoJet::Text, 8)
        .colonna("DataPartenza", TipoJet::Text, 8)
        .colonna("Partito", TipoJet::Text, 1)
        .colonna("NumeroComponente", TipoJet::Integer)
        .colonna("NumeroProgressivo", TipoJet::Long)
        .colonna("NomeCliente", TipoJet::Text, 40);
    aggiungi(FileDi("Ditta_Intestataria"), "Ditta_Intestataria")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("CodiceCliente", TipoJet::Long)
        .colonna("RagioneSociale", TipoJet::Text, 50);
    aggiungi(FileDi("Stampanti"), "Stampanti")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("Destinazione", TipoJet::Text, 30)
        .colonna("TipoStampa", TipoJet::Integer)
        .colonna("Linea", TipoJet::Text, 100);
    aggiungi(FileDi("Stampanti"), "SetStampa")
        .colonna("TipoStampa", TipoJet::Integer)
        .colonna("Compresso", TipoJet::Text, 36)
        .colonna("Grassetto", TipoJet::Text, 36);
    aggiungi(FileDi("Contatori"), "Contatori")
        .colonna("NumeroHotel", TipoJet::Integer)
        .colonna("LungPagComp", TipoJet::Integer)
        .colonna("LungPagNoComp", TipoJet::Integer);
}

TabellaMdb& ArchiviDemo::aggiungi(const QString& file, const QString& tabella) {
    auto& scrittore = scrittori_[file];
    if (!scrittore) {
        scrittore = std::make_unique<ScrittoreMdb>();
        scrittore->dataCreazione(creazione_);
    }
    TabellaMdb& t = scrittore->tabella(tabella);
    tabelle_[tabella] = &t;
    return t;
}

TabellaMdb& ArchiviDemo::tabella(const QString& nome) {
    return *tabelle_.at(nome);
}

QStringList ArchiviDemo::file() const {
    QStringList nomi;
    for (const auto& [nome, scrittore] : scrittori_)
        nomi << nome;
    return nomi;
}

void ArchiviDemo::salva(const QString& cartella) const {
    const QDir dir(cartella);
    for (const auto& [nome, scrittore] : scrittori_)
        scrittore->salva(dir.filePath(nome));
}
