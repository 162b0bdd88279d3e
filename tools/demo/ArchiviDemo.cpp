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
        .colonna("Numero", TipoJet::Intero)
        .colonna("RagioneSociale", TipoJet::Testo, 50)
        .colonna("CodiceAssistenza", TipoJet::Testo, 20)
        .colonna("Localita", TipoJet::Testo, 40);
    aggiungi(FileDi("Tableau"), "Tableau")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("Codice", TipoJet::Intero)
        .colonna("Descrizione", TipoJet::Testo, 40);
    aggiungi(FileDi("NumeriCamere"), "NumeriCamere")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("NumeroTableau", TipoJet::Intero)
        .colonna("NumeroCamera", TipoJet::Testo, 10)
        .colonna("TipoCamera", TipoJet::Testo, 5)
        .colonna("PostiLetto", TipoJet::Intero);
    aggiungi(FileDi("TipiCamere"), "TipiCamere")
        .colonna("Sigla", TipoJet::Testo, 5)
        .colonna("Tipologia", TipoJet::Testo, 1)
        .colonna("Descrizione", TipoJet::Testo, 30);
    aggiungi(FileDi("Camere_Prenotazione"), "Camere_Prenotazione")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("NumeroCamera", TipoJet::Testo, 10)
        .colonna("NumeroPrenotazione", TipoJet::Lungo)
        .colonna("TipoPrenotazione", TipoJet::Testo, 1)
        .colonna("DataArrivo", TipoJet::Testo, 8)
        .colonna("DataPartenza", TipoJet::Testo, 8)
        .colonna("NumeroPersone", TipoJet::Intero);
    aggiungi(FileDi("Scheda_Prenotazione"), "Scheda_Prenotazione")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("NumeroPrenotazione", TipoJet::Lungo)
        .colonna("TipoPrenotazione", TipoJet::Testo, 1)
        .colonna("Ditta", TipoJet::Testo, 40)
        .colonna("NomeCliente", TipoJet::Testo, 40)
        .colonna("Note", TipoJet::Memo);
    aggiungi(FileDi("Scheda_Cliente"), "Scheda_Cliente")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("NumeroCamera", TipoJet::Testo, 10)
        .colonna("DataArrivo", TipoJet::Testo, 8)
        .colonna("DataPartenza", TipoJet::Testo, 8)
        .colonna("Partito", TipoJet::Testo, 1)
        .colonna("NumeroComponente", TipoJet::Intero)
        .colonna("NumeroProgressivo", TipoJet::Lungo)
        .colonna("NomeCliente", TipoJet::Testo, 40);
    aggiungi(FileDi("Ditta_Intestataria"), "Ditta_Intestataria")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("CodiceCliente", TipoJet::Lungo)
        .colonna("RagioneSociale", TipoJet::Testo, 50);
    aggiungi(FileDi("Stampanti"), "Stampanti")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("Destinazione", TipoJet::Testo, 30)
        .colonna("TipoStampa", TipoJet::Intero)
        .colonna("Linea", TipoJet::Testo, 100);
    aggiungi(FileDi("Stampanti"), "SetStampa")
        .colonna("TipoStampa", TipoJet::Intero)
        .colonna("Compresso", TipoJet::Testo, 36)
        .colonna("Grassetto", TipoJet::Testo, 36);
    aggiungi(FileDi("Contatori"), "Contatori")
        .colonna("NumeroHotel", TipoJet::Intero)
        .colonna("LungPagComp", TipoJet::Intero)
        .colonna("LungPagNoComp", TipoJet::Intero);
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
