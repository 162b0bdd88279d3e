#include "tableau/OccupazioneSettimana.h"

#include "tableau/RegoleCampi.h"

#include <exception>
#include <future>

namespace {

QString daLatin1(const char* testo) {
    return QString::fromLatin1(testo);
}

// The departure is tested first: in the years a file holds, most stays left
// before the week, and few arrive after it.
Criterio nellaSettimana(const Settimana& settimana) {
    return Campo(QStringLiteral("DataPartenza")) > Valore(settimana.dataIniziale()) &&
           Campo(QStringLiteral("DataArrivo")) <= Valore(settimana.dataFinale());
}

Criterio dellHotel(const RichiestaTableau& richiesta) {
    return Campo(QStringLiteral("NumeroHotel")) == Valore(richiesta.hotel);
}

// The values of one field in every record of a record set, the key of a
// join whose values are compared as `genere`.
std::vector<Valore> valoriDi(const Recordset& record, const QString& campo, GenereCampo genere) {
    const int colonna = record.IndiceCampo(campo, genere);
    std::vector<Valore> valori;
    valori.reserve(record.RecordCount());
    for (std::size_t r = 0; r < record.RecordCount(); ++r)
        valori.push_back(record.valore(r, colonna));
    return valori;
}

// Reads the fields of one record set by name, one record after the other.
// A field the report compares states the kind it is compared as, and a
// column of a kind that cannot be compared with it is refused as a search
// on it would be: both tables of a join must agree, and a key field of
// another type stops the report instead of leaving its records out.
class Lettura {
  public:
    explicit Lettura(const Recordset& record) : record_(record) {}
    // A field only read (a name, a company).
    int colonna(const char* campo) const { return record_.IndiceCampo(daLatin1(campo)); }
    int colonna(const char* campo, GenereCampo confrontatoCome) const {
        return record_.IndiceCampo(daLatin1(campo), confrontatoCome);
    }
    const Valore& operator()(std::size_t r, int colonna) const {
        return record_.valore(r, colonna);
    }
    std::size_t quanti() const { return record_.RecordCount(); }

  private:
    const Recordset& record_;
};

bool tipoConsiderato(const Valore& tipo) {
    return Uguale(tipo, Valore(QStringLiteral("C"))) || Uguale(tipo, Valore(QStringLiteral("O"))) ||
           Uguale(tipo, Valore(QStringLiteral("D")));
}

constexpr unsigned giorno(int d) {
    return 1u << (d - 1);
}

// The days of the week that a stay covers, one bit a day.
unsigned giorniCoperti(const Valore& arrivo, const Valore& partenza, const Settimana& settimana) {
    unsigned giorni = 0;
    for (int d = 1; d <= 7; ++d) {
        if (CopreIlGiorno(arrivo, partenza, settimana.dataGiorno(d)))
            giorni |= giorno(d);
    }
    return giorni;
}

} // namespace

std::unique_ptr<RaccoltaSettimana> OccupazioneSettimana::apri(SorgenteArchivi& archivi,
                                                              const RichiestaTableau& richiesta,
                                                              const Settimana& settimana) {
    auto occupazione = std::unique_ptr<OccupazioneSettimana>(new OccupazioneSettimana);
    // The week's guests and their companies owe nothing to the reservations:
    // a second thread reads them and makes its pass over them meanwhile, so
    // that on a share one file is decoded while the pages of the other are
    // on their way, and what is left once the last page arrives is short.
    // Failures are reported in this order: the files of the reserved rooms,
    // of the tableau's rooms and of the cards, the guests' files, then the
    // fields of the reservations, of the guests and of the tableau's rooms.
    OccupazioneSettimana& occupata = *occupazione;
    std::future<std::exception_ptr> ospiti =
        std::async(std::launch::async, [&archivi, &richiesta, &settimana, &occupata] {
            Recordset clientiSettimana =
                archivi.apri(QStringLiteral("Scheda_Cliente.mdb"),
                             {QStringLiteral("Scheda_Cliente"),
                              nellaSettimana(settimana) && dellHotel(richiesta),
                              {}});
            Recordset ditte = archivi.apri(
                QStringLiteral("Ditta_Intestataria.mdb"),
                {QStringLiteral("Ditta_Intestataria"),
                 dellHotel(richiesta) &&
                     Campo(QStringLiteral("CodiceCliente"))
                         .in(valoriDi(clientiSettimana, QStringLiteral("NumeroProgressivo"),
                                      GenereCampo::Numero),
                             GenereCampo::Numero),
                 {}});
            try {
                occupata.leggiOspiti(clientiSettimana, ditte, settimana);
                return std::exception_ptr();
            } catch (...) {
                return std::current_exception();
            }
        });
    // The cards of the week are those of the reserved rooms of the week, of
    // any hotel; the rooms set gives their numbers, so that file is read once.
    Recordset camereSettimana =
        archivi.apri(QStringLiteral("Camere_Prenotazione.mdb"),
                     {QStringLiteral("Camere_Prenotazione"), nellaSettimana(settimana), {}});
    // The tableau's rooms come before the cards, the last file to arrive, so
    // that their pass is done by then; a failure of its fields is still
    // reported last.
    Recordset camere =
        archivi.apri(QStringLiteral("NumeriCamere.mdb"),
                     {QStringLiteral("NumeriCamere"),
                      dellHotel(richiesta) &&
                          Campo(QStringLiteral("NumeroTableau")) == Valore(richiesta.tableau) &&
                          Campo(QStringLiteral("NumeroCamera")) >= Valore(richiesta.primaCamera) &&
                          Campo(QStringLiteral("NumeroCamera")) <= Valore(richiesta.ultimaCamera),
                      {}});
    std::exception_ptr erroreCamere;
    try {
        occupazione->leggiCamere(camere);
    } catch (...) {
        erroreCamere = std::current_exception();
    }
    Recordset prenotazioniSettimana =
        archivi.apri(QStringLiteral("Scheda_Prenotazione.mdb"),
                     {QStringLiteral("Scheda_Prenotazione"),
                      dellHotel(richiesta) &&
                          Campo(QStringLiteral("NumeroPrenotazione"))
                              .in(valoriDi(camereSettimana, QStringLiteral("NumeroPrenotazione"),
                                           GenereCampo::Numero),
                                  GenereCampo::Numero),
                      {}});
    const std::exception_ptr erroreOspiti = ospiti.get();

    occupazione->leggiPrenotazioni(camereSettimana, prenotazioniSettimana, richiesta, settimana);
    for (const std::exception_ptr& errore : {erroreOspiti, erroreCamere}) {
        if (errore)
            std::rethrow_exception(errore);
    }
    return occupazione;
}

void OccupazioneSettimana::leggiPrenotazioni(Recordset& camereSettimana,
                                             Recordset& prenotazioniSettimana,
                                             const RichiestaTableau& richiesta,
                                             const Settimana& settimana) {
    const Lettura schede(prenotazioniSettimana);
    const int numeroScheda = schede.colonna("NumeroPrenotazione", GenereCampo::Numero);
    const int tipoScheda = schede.colonna("TipoPrenotazione", GenereCampo::Testo);
    const int ditta = schede.colonna("Ditta");
    const int nome = schede.colonna("NomeCliente");
    std::vector<Testo> ditteSchede;
    for (std::size_t r = 0; r < schede.quanti(); ++r) {
        schedaPerNumero_.aggiungi(schede(r, numeroScheda), schede_.size());
        schede_.push_back({tipoConsiderato(schede(r, tipoScheda)), Testo::di(schede(r, nome), 14)});
        ditteSchede.push_back(Testo::di(schede(r, ditta), 12));
    }

    const Lettura righe(camereSettimana);
    const int hotel = righe.colonna("NumeroHotel", GenereCampo::Numero);
    const int camera = righe.colonna("NumeroCamera", GenereCampo::Testo);
    const int numero = righe.colonna("NumeroPrenotazione", GenereCampo::Numero);
    const int tipo = righe.colonna("TipoPrenotazione", GenereCampo::Testo);
    const int arrivo = righe.colonna("DataArrivo", GenereCampo::Testo);
    const int partenza = righe.colonna("DataPartenza", GenereCampo::Testo);
    const int persone = righe.colonna("NumeroPersone", GenereCampo::Numero);
    const Valore numeroHotel(richiesta.hotel);
    for (std::size_t r = 0; r < righe.quanti(); ++r) {
        if (!Uguale(righe(r, hotel), numeroHotel) || righe(r, camera).tipo() != Valore::Tipo::Testo)
            continue;
        CameraPrenotata prenotata;
        prenotata.copre = giorniCoperti(righe(r, arrivo), righe(r, partenza), settimana);
        prenotata.accettata =
            tipoConsiderato(righe(r, tipo)) && Maggiore(righe(r, persone), Valore(0));
        prenotata.numero = righe(r, numero);
        prenotata.persone = Intero(righe(r, persone));
        const auto scheda = schedaPerNumero_.trova(prenotata.numero);
        prenotata.ditta =
            scheda ? ditteSchede[*scheda] : Testo{QStringLiteral(" "), QStringLiteral(" ")};
        prenotate_[righe(r, camera).testo()].push_back(std::move(prenotata));
    }
}

void OccupazioneSettimana::leggiOspiti(Recordset& clientiSettimana, Recordset& ditte,
                                       const Settimana& settimana) {
    const Lettura societa(ditte);
    const int codice = societa.colonna("CodiceCliente", GenereCampo::Numero);
    const int ragioneSociale = societa.colonna("RagioneSociale");
    PrimoPerValore dittaPerCliente;
    for (std::size_t r = 0; r < societa.quanti(); ++r)
        dittaPerCliente.aggiungi(societa(r, codice), r);

    const Lettura righe(clientiSettimana);
    const int camera = righe.colonna("NumeroCamera", GenereCampo::Testo);
    const int arrivo = righe.colonna("DataArrivo", GenereCampo::Testo);
    const int partenza = righe.colonna("DataPartenza", GenereCampo::Testo);
    const int partito = righe.colonna("Partito", GenereCampo::Testo);
    const int componente = righe.colonna("NumeroComponente", GenereCampo::Numero);
    const int progressivo = righe.colonna("NumeroProgressivo", GenereCampo::Numero);
    const int nome = righe.colonna("NomeCliente");
    for (std::size_t r = 0; r < righe.quanti(); ++r) {
        if (righe(r, camera).tipo() != Valore::Tipo::Testo ||
            !Diverso(righe(r, partito), Valore(QStringLiteral("S"))))
            continue;
        Ospite ospite;
        ospite.conta = giorniCoperti(righe(r, arrivo), righe(r, partenza), settimana);
        if (ospite.conta == 0)
            continue;
        ospite.primo = Uguale(righe(r, componente), Valore(1));
        ospite.progressivo = Intero(righe(r, progressivo));
        if (const auto ditta = dittaPerCliente.trova(righe(r, progressivo)))
            ospite.ditta = Testo::di(societa(*ditta, ragioneSociale), 11);
        ospite.nome = Testo::di(righe(r, nome), 14);
        ospiti_[righe(r, camera).testo()].push_back(std::move(ospite));
    }
}

void OccupazioneSettimana::leggiCamere(Recordset& camere) {
    camere.setSort(QStringLiteral("[NumeroCamera]"));
    const Recordset ordinate = camere.OpenRecordset();
    for (const Valore& camera :
         valoriDi(ordinate, QStringLiteral("NumeroCamera"), GenereCampo::Testo))
        camere_.push_back(camera.testo());
}

GiorniCamera OccupazioneSettimana::giorni(const QString& camera) const {
    GiorniCamera giorni{};
    const QString senzaSpazi = SenzaSpazi(camera);
    static const std::vector<Ospite> kNessunOspite;
    static const std::vector<CameraPrenotata> kNessunaPrenotazione;
    const auto& ospiti =
        ospiti_.contains(senzaSpazi) ? *ospiti_.constFind(senzaSpazi) : kNessunOspite;
    const auto& prenotate =
        prenotate_.contains(senzaSpazi) ? *prenotate_.constFind(senzaSpazi) : kNessunaPrenotazione;

    for (int d = 1; d <= 7; ++d) {
        GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        // Guests, then reservations: the last one found wins.
        for (const Ospite& ospite : ospiti) {
            if (!(ospite.conta & giorno(d)))
                continue;
            ++g.personeClienti;
            if (ospite.primo) {
                g.numeroGiorno = ospite.progressivo;
                g.nomiClienti = ospite.nome.tagliato;
                g.nomeClientiIntero = ospite.nome.intero;
            }
            if (ospite.ditta) {
                g.ditteClienti = ospite.ditta->tagliato;
                g.dittaClientiIntera = ospite.ditta->intero;
            }
        }
        for (const CameraPrenotata& prenotata : prenotate) {
            if (!prenotata.accettata || !(prenotata.copre & giorno(d)))
                continue;
            g.personePrenotazioni = prenotata.persone;
            g.numeroGiorno = Intero(prenotata.numero);
            g.dittePrenotazioni = prenotata.ditta.tagliato;
            g.dittaPrenotazioniIntera = prenotata.ditta.intero;
            g.prenotato = true;
        }
        // The card of the day's number confirms the day when the first room
        // record of that reservation for this very room covers it.
        const auto scheda = schedaPerNumero_.trova(Valore(g.numeroGiorno));
        if (!scheda || !schede_[*scheda].confermabile)
            continue;
        const auto& stanza =
            prenotate_.contains(camera) ? *prenotate_.constFind(camera) : kNessunaPrenotazione;
        const Valore numero(g.numeroGiorno);
        for (const CameraPrenotata& prenotata : stanza) {
            if (!Uguale(prenotata.numero, numero))
                continue;
            if (prenotata.copre & giorno(d)) {
                g.nomiPrenotazioni = schede_[*scheda].nome.tagliato;
                g.nomePrenotazioniIntero = schede_[*scheda].nome.intero;
                g.confermato = true;
            }
            break;
        }
    }
    return giorni;
}
