#include "prove/tableau/TableauDiRiferimento.h"

#include "tableau/RegoleCampi.h"

namespace {

QString daLatin1(const char* testo) {
    return QString::fromLatin1(testo);
}

Criterio settimanaDi(const Settimana& settimana) {
    return Campo(QStringLiteral("DataArrivo")) <= Valore(settimana.dataFinale()) &&
           Campo(QStringLiteral("DataPartenza")) > Valore(settimana.dataIniziale());
}

Recordset tutta(SorgenteArchivi& archivi, const char* file, const char* tabella) {
    return archivi.apri(daLatin1(file), {daLatin1(tabella), std::nullopt, std::nullopt});
}

// The fields the walk compares record by record, outside its searches, and
// the kind each is compared as: a column of a kind that cannot be compared
// with it is refused once, as the production collection refuses it.
void confrontati(const Recordset& record, GenereCampo genere,
                 std::initializer_list<const char*> campi) {
    for (const char* campo : campi)
        (void)record.IndiceCampo(daLatin1(campo), genere);
}

bool copre(const Recordset& record, const QString& dataGiorno) {
    return CopreIlGiorno(record.Campo(QStringLiteral("DataArrivo")),
                         record.Campo(QStringLiteral("DataPartenza")), dataGiorno);
}

} // namespace

std::unique_ptr<RaccoltaSettimana> TableauDiRiferimento::apri(SorgenteArchivi& archivi,
                                                              const RichiestaTableau& richiesta,
                                                              const Settimana& settimana) {
    return std::unique_ptr<RaccoltaSettimana>(
        new TableauDiRiferimento(archivi, richiesta, settimana));
}

TableauDiRiferimento::TableauDiRiferimento(SorgenteArchivi& archivi,
                                           const RichiestaTableau& richiesta,
                                           const Settimana& settimana)
    : richiesta_(richiesta), settimana_(settimana),
      camereSettimana_(archivi.apri(
          QStringLiteral("Camere_Prenotazione.mdb"),
          {QStringLiteral("Camere_Prenotazione"), settimanaDi(settimana), std::nullopt})),
      prenotazioniSettimana_(archivi.apri(
          QStringLiteral("Scheda_Prenotazione.mdb"),
          {QStringLiteral("Scheda_Prenotazione"), std::nullopt,
           Selezione::In{QStringLiteral("NumeroPrenotazione"),
                         QStringLiteral("Camere_Prenotazione.mdb"),
                         QStringLiteral("Camere_Prenotazione"),
                         QStringLiteral("NumeroPrenotazione"), settimanaDi(settimana)}})),
      clientiSettimana_(
          archivi.apri(QStringLiteral("Scheda_Cliente.mdb"),
                       {QStringLiteral("Scheda_Cliente"), settimanaDi(settimana), std::nullopt})),
      ditte_(tutta(archivi, "Ditta_Intestataria.mdb", "Ditta_Intestataria")) {
    confrontati(camereSettimana_, GenereCampo::Numero, {"NumeroPrenotazione", "NumeroPersone"});
    confrontati(camereSettimana_, GenereCampo::Testo, {"DataArrivo", "DataPartenza"});
    confrontati(prenotazioniSettimana_, GenereCampo::Testo, {"TipoPrenotazione"});
    confrontati(clientiSettimana_, GenereCampo::Numero,
                {"NumeroHotel", "NumeroComponente", "NumeroProgressivo"});
    confrontati(clientiSettimana_, GenereCampo::Testo, {"Partito", "DataArrivo", "DataPartenza"});
    confrontati(ditte_, GenereCampo::Numero, {"NumeroHotel", "CodiceCliente"});
    Recordset tutteLeCamere = tutta(archivi, "NumeriCamere.mdb", "NumeriCamere");
    tutteLeCamere.setSort(QStringLiteral("[NumeroCamera]"));
    Recordset camere = tutteLeCamere.OpenRecordset();
    confrontati(camere, GenereCampo::Numero, {"NumeroTableau"});
    confrontati(camere, GenereCampo::Testo, {"NumeroCamera"});
    const Criterio dellHotel = Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta.hotel);
    for (camere.FindFirst(dellHotel); !camere.NoMatch(); camere.FindNext(dellHotel)) {
        const Valore numero = camere.Campo(QStringLiteral("NumeroCamera"));
        const auto dallaPrima = numero.confronta(Valore(richiesta.primaCamera));
        const auto allUltima = numero.confronta(Valore(richiesta.ultimaCamera));
        if (Uguale(camere.Campo(QStringLiteral("NumeroTableau")), Valore(richiesta.tableau)) &&
            dallaPrima && *dallaPrima >= 0 && allUltima && *allUltima <= 0)
            camere_.push_back(numero.testo());
    }
}

bool TableauDiRiferimento::ospiteConta(int d) const {
    return Uguale(clientiSettimana_.Campo(QStringLiteral("NumeroHotel")),
                  Valore(richiesta_.hotel)) &&
           Diverso(clientiSettimana_.Campo(QStringLiteral("Partito")),
                   Valore(QStringLiteral("S"))) &&
           copre(clientiSettimana_, settimana_.dataGiorno(d));
}

void TableauDiRiferimento::passo1(const QString& camera, GiorniCamera& giorni) const {
    const Criterio stanza = Campo(QStringLiteral("NumeroCamera")) == Valore(SenzaSpazi(camera));
    for (int d = 1; d <= 7; ++d) {
        GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        for (clientiSettimana_.FindFirst(stanza); !clientiSettimana_.NoMatch();
             clientiSettimana_.FindNext(stanza)) {
            if (!ospiteConta(d))
                continue;
            ++g.personeClienti;
            if (Uguale(clientiSettimana_.Campo(QStringLiteral("NumeroComponente")), Valore(1)))
                g.numeroGiorno =
                    Intero(clientiSettimana_.Campo(QStringLiteral("NumeroProgressivo")));
            ditte_.FindFirst(Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta_.hotel) &&
                             Campo(QStringLiteral("CodiceCliente")) ==
                                 clientiSettimana_.Campo(QStringLiteral("NumeroProgressivo")));
            if (!ditte_.NoMatch()) {
                g.ditteClienti = Taglia(ditte_.Campo(QStringLiteral("RagioneSociale")), 11);
                g.dittaClientiIntera = Intera(ditte_.Campo(QStringLiteral("RagioneSociale")));
            }
        }
    }
}

void TableauDiRiferimento::passo2(const QString& camera, GiorniCamera& giorni) const {
    const Criterio prenotata =
        Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta_.hotel) &&
        Campo(QStringLiteral("NumeroCamera")) == Valore(SenzaSpazi(camera)) &&
        (Campo(QStringLiteral("TipoPrenotazione")) == Valore(QStringLiteral("C")) ||
         Campo(QStringLiteral("TipoPrenotazione")) == Valore(QStringLiteral("O")) ||
         Campo(QStringLiteral("TipoPrenotazione")) == Valore(QStringLiteral("D")));
    for (int d = 1; d <= 7; ++d) {
        GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        for (camereSettimana_.FindFirst(prenotata); !camereSettimana_.NoMatch();
             camereSettimana_.FindNext(prenotata)) {
            if (!Maggiore(camereSettimana_.Campo(QStringLiteral("NumeroPersone")), Valore(0)) ||
                !copre(camereSettimana_, settimana_.dataGiorno(d)))
                continue;
            g.personePrenotazioni = Intero(camereSettimana_.Campo(QStringLiteral("NumeroPersone")));
            g.numeroGiorno = Intero(camereSettimana_.Campo(QStringLiteral("NumeroPrenotazione")));
            g.prenotato = true;
            prenotazioniSettimana_.FindFirst(
                Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta_.hotel) &&
                Campo(QStringLiteral("NumeroPrenotazione")) ==
                    camereSettimana_.Campo(QStringLiteral("NumeroPrenotazione")));
            g.dittePrenotazioni =
                prenotazioniSettimana_.NoMatch()
                    ? QStringLiteral(" ")
                    : Taglia(prenotazioniSettimana_.Campo(QStringLiteral("Ditta")), 12);
            g.dittaPrenotazioniIntera =
                prenotazioniSettimana_.NoMatch()
                    ? QStringLiteral(" ")
                    : Intera(prenotazioniSettimana_.Campo(QStringLiteral("Ditta")));
        }
    }
}

void TableauDiRiferimento::passo3(const QString& camera, GiorniCamera& giorni) const {
    const Criterio stanza = Campo(QStringLiteral("NumeroCamera")) == Valore(SenzaSpazi(camera));
    for (int d = 1; d <= 7; ++d) {
        GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        for (clientiSettimana_.FindFirst(stanza); !clientiSettimana_.NoMatch();
             clientiSettimana_.FindNext(stanza)) {
            if (ospiteConta(d) &&
                Uguale(clientiSettimana_.Campo(QStringLiteral("NumeroComponente")), Valore(1))) {
                g.nomiClienti = Taglia(clientiSettimana_.Campo(QStringLiteral("NomeCliente")), 14);
                g.nomeClientiIntero =
                    Intera(clientiSettimana_.Campo(QStringLiteral("NomeCliente")));
            }
        }
    }
}

void TableauDiRiferimento::passo4(const QString& camera, GiorniCamera& giorni) const {
    for (int d = 1; d <= 7; ++d) {
        GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        const Criterio scheda =
            Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta_.hotel) &&
            Campo(QStringLiteral("NumeroPrenotazione")) == Valore(g.numeroGiorno);
        prenotazioniSettimana_.FindFirst(scheda);
        if (prenotazioniSettimana_.NoMatch())
            continue;
        const Valore tipo = prenotazioniSettimana_.Campo(QStringLiteral("TipoPrenotazione"));
        if (!Uguale(tipo, Valore(QStringLiteral("C"))) &&
            !Uguale(tipo, Valore(QStringLiteral("O"))) &&
            !Uguale(tipo, Valore(QStringLiteral("D"))))
            continue;
        camereSettimana_.FindFirst(scheda &&
                                   Campo(QStringLiteral("NumeroCamera")) == Valore(camera));
        if (camereSettimana_.NoMatch() || !copre(camereSettimana_, settimana_.dataGiorno(d)))
            continue;
        g.nomiPrenotazioni =
            Taglia(prenotazioniSettimana_.Campo(QStringLiteral("NomeCliente")), 14);
        g.nomePrenotazioniIntero =
            Intera(prenotazioniSettimana_.Campo(QStringLiteral("NomeCliente")));
        g.confermato = true;
    }
}

GiorniCamera TableauDiRiferimento::giorni(const QString& camera) const {
    GiorniCamera giorni{};
    passo1(camera, giorni);
    passo2(camera, giorni);
    passo3(camera, giorni);
    passo4(camera, giorni);
    return giorni;
}
