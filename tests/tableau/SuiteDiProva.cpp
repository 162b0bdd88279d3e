#include "prove/tableau/SuiteDiProva.h"

#include "archivi/ValoreJet.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "prove/util/CartellaDiProva.h"

#include <QDate>

#include <random>

namespace {

Tabella vuota(const char* nome, std::initializer_list<const char*> campi) {
    Tabella tabella;
    tabella.nome = QString::fromLatin1(nome);
    for (const char* campo : campi)
        tabella.campi.push_back(QString::fromLatin1(campo));
    return tabella;
}

// The column type a field of the suite is written with: numbers as Integer
// or Long, texts as Text, save for a type given in `tipi`.
TipoJet tipoDelCampo(const QString& campo, const std::map<QString, TipoJet>& tipi) {
    const QStringList interi{"Numero", "NumeroHotel",      "NumeroTableau",
                             "Codice", "NumeroComponente", "NumeroPersone"};
    const QStringList lunghi{"NumeroProgressivo", "NumeroPrenotazione", "CodiceCliente"};
    if (const auto tipo = tipi.find(campo); tipo != tipi.end())
        return tipo->second;
    if (interi.contains(campo))
        return TipoJet::Intero;
    if (lunghi.contains(campo))
        return TipoJet::Lungo;
    return TipoJet::Testo;
}

} // namespace

SuiteDiProva::SuiteDiProva()
    : hotels(vuota("AnagraficaHotels", {"Numero", "RagioneSociale", "CodiceAssistenza"})),
      tableaux(vuota("Tableau", {"NumeroHotel", "Codice", "Descrizione"})),
      camere(vuota("NumeriCamere", {"NumeroHotel", "NumeroTableau", "NumeroCamera", "TipoCamera"})),
      clienti(vuota("Scheda_Cliente",
                    {"NumeroHotel", "NumeroCamera", "DataArrivo", "DataPartenza", "Partito",
                     "NumeroComponente", "NumeroProgressivo", "NomeCliente"})),
      ditte(vuota("Ditta_Intestataria", {"NumeroHotel", "CodiceCliente", "RagioneSociale"})),
      camerePrenotate(vuota("Camere_Prenotazione",
                            {"NumeroHotel", "NumeroCamera", "NumeroPrenotazione",
                             "TipoPrenotazione", "DataArrivo", "DataPartenza", "NumeroPersone"})),
      schede(vuota("Scheda_Prenotazione", {"NumeroHotel", "NumeroPrenotazione", "TipoPrenotazione",
                                           "Ditta", "NomeCliente"})) {}

void SuiteDiProva::hotel(Valore numero, Valore ragioneSociale) {
    hotels.righe.push_back({numero, ragioneSociale, Valore(u"")});
}

void SuiteDiProva::tableau(Valore hotel, Valore codice, Valore descrizione) {
    tableaux.righe.push_back({hotel, codice, descrizione});
}

void SuiteDiProva::camera(Valore hotel, Valore tableau, Valore numero) {
    camere.righe.push_back({hotel, tableau, numero, Valore(u"DUS")});
}

void SuiteDiProva::cliente(Valore hotel, Valore camera, Valore arrivo, Valore partenza,
                           Valore partito, Valore componente, Valore progressivo, Valore nome) {
    clienti.righe.push_back(
        {hotel, camera, arrivo, partenza, partito, componente, progressivo, nome});
}

void SuiteDiProva::ditta(Valore hotel, Valore codiceCliente, Valore ragioneSociale) {
    ditte.righe.push_back({hotel, codiceCliente, ragioneSociale});
}

void SuiteDiProva::cameraPrenotata(Valore hotel, Valore camera, Valore prenotazione, Valore tipo,
                                   Valore arrivo, Valore partenza, Valore persone) {
    camerePrenotate.righe.push_back({hotel, camera, prenotazione, tipo, arrivo, partenza, persone});
}

void SuiteDiProva::scheda(Valore hotel, Valore prenotazione, Valore tipo, Valore ditta,
                          Valore nome) {
    schede.righe.push_back({hotel, prenotazione, tipo, ditta, nome});
}

void SalvaTabellaMdb(const Tabella& tabella, const QString& file,
                     const std::map<QString, TipoJet>& tipi) {
    ScrittoreMdb scrittore;
    TabellaMdb& mdb = scrittore.tabella(tabella.nome);
    for (const QString& campo : tabella.campi) {
        const TipoJet tipo = tipoDelCampo(campo, tipi);
        mdb.colonna(campo, tipo, tipo == TipoJet::Testo ? 60 : 0);
    }
    for (const auto& riga : tabella.righe)
        mdb.riga(riga);
    ScriviARiposo(file, scrittore.contenuto());
}

void SuiteDiProva::salvaMdb() const {
    for (const Tabella* tabella :
         {&hotels, &tableaux, &camere, &clienti, &ditte, &camerePrenotate, &schede})
        SalvaTabellaMdb(*tabella, tabella->nome + QStringLiteral(".mdb"));
}

ArchiviInMemoria SuiteDiProva::inMemoria() const {
    ArchiviInMemoria archivi;
    for (const Tabella* tabella :
         {&hotels, &tableaux, &camere, &clienti, &ditte, &camerePrenotate, &schede}) {
        // The fields' kinds as the files would give them, so that the
        // report's checks of the kinds it compares run here too.
        Tabella conGeneri = *tabella;
        conGeneri.generi.clear();
        for (const QString& campo : tabella->campi)
            conGeneri.generi.push_back(
                jet::GenereColonna(static_cast<jet::TipoColonna>(tipoDelCampo(campo, {}))));
        archivi.aggiungi(std::move(conGeneri));
    }
    return archivi;
}

SuiteDiProva SuiteCasuale(std::uint32_t seme, const QDate& primo) {
    std::mt19937 caso(seme);
    const auto tra = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(caso); };
    const auto talvolta = [&](int percento) { return tra(1, 100) <= percento; };
    const auto oNullo = [&](Valore v) { return talvolta(3) ? Valore() : v; };
    const auto scegli = [&](const std::vector<Valore>& tra_) {
        return tra_[static_cast<std::size_t>(tra(0, static_cast<int>(tra_.size()) - 1))];
    };
    const auto data = [&](int giorni) {
        return Valore(primo.addDays(giorni).toString(QStringLiteral("yyyyMMdd")));
    };
    const auto nome = [&](const char* radice) {
        QString testo = QString::fromLatin1(radice) + QString::number(tra(1, 999));
        if (talvolta(20))
            testo += QStringLiteral(" Con Un Nome Molto Lungo");
        if (talvolta(10))
            testo = QStringLiteral("  ") + testo + u' ';
        return Valore(testo);
    };

    SuiteDiProva suite;
    const std::vector<Valore> numeriCamere{u"1",    u"99",     u"100", u"101",  u"102",
                                           u"110",  u"2",      u"A12", u" 101", u"101 ",
                                           u"1010", u"999999", u"7",   u"7\t"};
    for (int h = 1; h <= 2; ++h) {
        suite.hotel(h, Valore(QStringLiteral("Hotel %1").arg(h)));
        for (int t = 1; t <= 3; ++t)
            suite.tableau(h, t, Valore(QStringLiteral("Piano %1").arg(t)));
    }
    std::vector<Valore> usate;
    for (int i = tra(1, 16); i > 0; --i) {
        usate.push_back(scegli(numeriCamere));
        suite.camera(oNullo(talvolta(70) ? 1 : 2), oNullo(talvolta(70) ? 1 : 2),
                     oNullo(usate.back()));
    }
    // Records fall mostly in the rooms of the tableaux.
    const auto stanza = [&] { return talvolta(85) ? scegli(usate) : scegli(numeriCamere); };

    std::vector<Valore> numeri{0};
    for (int i = tra(0, 40); i > 0; --i) {
        const int arrivo = tra(-9, 8);
        const Valore progressivo = oNullo(tra(1, 20));
        numeri.push_back(progressivo);
        const Valore hotel = oNullo(talvolta(80) ? 1 : 2);
        const Valore camera = oNullo(stanza());
        const Valore dal = oNullo(data(arrivo));
        const Valore al = oNullo(data(arrivo + tra(0, 8)));
        suite.cliente(hotel, camera, dal, al, oNullo(scegli({u"S", u"N", u"", u"N"})),
                      oNullo(tra(1, 3)), progressivo, oNullo(nome("Cliente")));
        // A card whose number is the guest's own, with a room record that
        // pass 2 does not accept: pass 4 may still confirm the day.
        if (talvolta(25)) {
            suite.scheda(hotel, progressivo, Valore(u"C"), oNullo(nome("Societa")),
                         oNullo(nome("Prenotante")));
            suite.cameraPrenotata(hotel, camera, progressivo, scegli({u"X", u"C"}), dal, al,
                                  Valore(0));
        }
    }
    for (int i = tra(0, 12); i > 0; --i)
        suite.ditta(oNullo(tra(1, 2)), oNullo(tra(1, 20)), oNullo(nome("Ditta")));
    for (int i = tra(0, 30); i > 0; --i) {
        const int arrivo = tra(-9, 8);
        const Valore prenotazione = oNullo(tra(1, 20));
        numeri.push_back(prenotazione);
        suite.cameraPrenotata(oNullo(tra(1, 2)), oNullo(stanza()), prenotazione,
                              oNullo(scegli({u"C", u"O", u"D", u"X", u"c", u"C"})),
                              oNullo(data(arrivo)), oNullo(data(arrivo + tra(0, 8))),
                              oNullo(talvolta(15) ? 0 : tra(1, 12)));
    }
    for (int i = tra(0, 30); i > 0; --i)
        suite.scheda(oNullo(tra(1, 2)), oNullo(scegli(numeri)),
                     oNullo(scegli({u"C", u"O", u"D", u"X"})), oNullo(nome("Societa")),
                     oNullo(nome("Prenotante")));
    return suite;
}

SuiteDiProva SuitePiccola() {
    SuiteDiProva suite;
    suite.hotel(2, u"Hotel Altrove");
    suite.hotel(1, u"Hotel Bellavista");
    suite.tableau(1, 1, u"Piano terra");
    suite.tableau(1, 2, u"  Primo piano ");
    suite.tableau(2, 2, u"Altro hotel");
    // 99 lies outside 100..200 as text, 2 inside; 100 is of another tableau.
    for (const char16_t* numero : {u"99", u"2", u"102", u"101"})
        suite.camera(1, 2, numero);
    suite.camera(1, 1, u"100");
    suite.camera(2, 2, u"101");

    // 101: a party of two until the 10th, invoiced to a company; then a
    // confirmed reservation; a guest of another hotel in between.
    suite.cliente(1, u"101", u"20260105", u"20260110", u"N", 2, 502, u"ROSSI ANNA");
    suite.cliente(1, u"101", u"20260105", u"20260110", u"N", 1, 501, u"ROSSI MARIO");
    suite.cliente(2, u"101", u"20260110", u"20260111", u"N", 1, 900, u"ALTROVE");
    suite.ditta(1, 502, u"Acme Forniture Srl");
    suite.ditta(2, 501, u"Non di questo hotel");
    suite.cameraPrenotata(1, u"101", 7001, u"C", u"20260111", u"20260114", 3);
    suite.scheda(1, 7001, u"C", u"Viaggi Sole Tour", u"BIANCHI LUCA");

    // 102: a departed guest, reservations of another kind and without
    // persons (all ignored), one with a card and one without.
    suite.cliente(1, u"102", u"20260101", u"20260120", u"S", 1, 600, u"PARTITO");
    suite.cameraPrenotata(1, u"102", 7005, u"X", u"20260107", u"20260114", 2);
    suite.cameraPrenotata(1, u"102", 7006, u"O", u"20260107", u"20260114", 0);
    suite.cameraPrenotata(1, u"102", 7002, u"D", u"20260109", u"20260111", 2);
    suite.cameraPrenotata(1, u"102", 7003, u"C", u"20260112", u"20260120", 4);
    suite.scheda(1, 7002, u"O", Valore(), u"VERDI GIULIA");

    // 2: a reservation of twelve persons, then a guest with a long name.
    suite.cameraPrenotata(1, u"2", 7004, u"C", u"20260107", u"20260108", 12);
    suite.scheda(1, 7004, u"C", u"Comune di Roma Capitale", u"UFFICIO GARE");
    suite.cliente(1, u"2", u"20260108", u"20260110", u"N", 1, 88, u"DELLA ROVERE MASSIMILIANO");
    return suite;
}
