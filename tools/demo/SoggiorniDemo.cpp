#include "demo/SoggiorniDemo.h"

#include "demo/Casuale.h"
#include "demo/NomiDemo.h"

#include <map>
#include <utility>

namespace {

// Guest numbers and reservation numbers lie far apart, so that a guest's
// number is never taken for a reservation.
constexpr int kPrimaPrenotazione = 1001;
constexpr int kPrimoProgressivo = 1000001;

using Periodo = std::pair<QDate, QDate>;

QString Data(const QDate& giorno) {
    return giorno.toString(QStringLiteral("yyyyMMdd"));
}

bool Libera(const std::vector<Periodo>& occupata, const QDate& arrivo, const QDate& partenza) {
    for (const Periodo& p : occupata)
        if (p.first < partenza && arrivo < p.second)
            return false;
    return true;
}

class Generatore {
  public:
    Generatore(ArchiviDemo& archivi, const OpzioniDemo& opzioni)
        : rnd_(opzioni.seme), oggi_(opzioni.riferimento),
          camerePren_(archivi.tabella("Camere_Prenotazione")),
          schede_(archivi.tabella("Scheda_Prenotazione")),
          clienti_(archivi.tabella("Scheda_Cliente")),
          ditte_(archivi.tabella("Ditta_Intestataria")) {}

    Casuale& rnd() { return rnd_; }

    // One stay in `camera`; `vicina` is the room before it in the same
    // hotel, which a reservation may take too.
    void soggiorno(const CameraDemo& camera, std::vector<Periodo>* vicina,
                   const CameraDemo* cameraVicina, const QDate& arrivo, const QDate& partenza) {
        const bool futuro = arrivo > oggi_;
        const bool inCorso = !futuro && partenza > oggi_;
        const int persone = rnd_.tra(1, camera.posti);
        const QString capo = nome();
        const QString ditta = rnd_.probabile(25) ? rnd_.uno(DitteDemo()) : QString();
        if (futuro || rnd_.probabile(70)) {
            const int numero =
                prenotazioni_.try_emplace(camera.hotel, kPrimaPrenotazione).first->second++;
            const QString tipo = futuro ? QString("COADW"[rnd_.pesato({55, 15, 10, 12, 8})])
                                        : QString("CDA"[rnd_.pesato({85, 10, 5})]);
            camerePren_.riga({camera.hotel, camera.numero, numero, tipo, Data(arrivo),
                              Data(partenza), rnd_.probabile(4) ? 0 : persone});
            if (futuro && vicina && rnd_.probabile(8) && Libera(*vicina, arrivo, partenza)) {
                camerePren_.riga({camera.hotel, cameraVicina->numero, numero, tipo, Data(arrivo),
                                  Data(partenza), rnd_.tra(1, cameraVicina->posti)});
                vicina->emplace_back(arrivo, partenza);
            }
            if (!rnd_.probabile(2))
                scheda(camera.hotel, numero, rnd_.probabile(3) ? QStringLiteral("A") : tipo, ditta,
                       capo);
        }
        if (!futuro)
            ospiti(camera, arrivo, partenza, inCorso, persone, capo, ditta);
    }

  private:
    QString nome() { return rnd_.uno(CognomiDemo()) + ' ' + rnd_.uno(NomiPropriDemo()); }

    Valore note() {
        static const QStringList brevi = {"Arrivo in serata",    "Richiesta culla",
                                          "Cliente abituale",    "Parcheggio coperto",
                                          "Camera non fumatori", "Allergia alle graminacee"};
        if (rnd_.probabile(1))
            return QString("Preferenze del cliente: piano alto, lontano dall'ascensore. ")
                .repeated(40);
        return rnd_.probabile(12) ? Valore(rnd_.uno(brevi)) : Valore();
    }

    void scheda(int hotel, int numero, const QString& tipo, const QString& ditta,
                const QString& capo) {
        const Valore ditta_ =
            !ditta.isEmpty() ? Valore(ditta) : (rnd_.probabile(50) ? Valore(QString()) : Valore());
        schede_.riga({hotel, numero, tipo, ditta_, capo, note()});
    }

    void ospiti(const CameraDemo& camera, const QDate& arrivo, const QDate& partenza, bool inCorso,
                int persone, const QString& capo, const QString& ditta) {
        const QString cognome = capo.section(' ', 0, -2);
        for (int componente = 1; componente <= persone; ++componente) {
            const int progressivo =
                progressivi_.try_emplace(camera.hotel, kPrimoProgressivo).first->second++;
            QString chi = capo;
            if (componente > 1)
                chi = rnd_.probabile(60) ? cognome + ' ' + rnd_.uno(NomiPropriDemo()) : nome();
            static const std::vector<Valore> partito = {QString("S"), QString("N"), Valore()};
            const Valore segno =
                partito[inCorso ? rnd_.pesato({5, 85, 10}) : rnd_.pesato({95, 3, 2})];
            clienti_.riga({camera.hotel, camera.numero, Data(arrivo), Data(partenza), segno,
                           componente, progressivo, chi});
            if (!ditta.isEmpty() && (componente == 1 || rnd_.probabile(30)))
                ditte_.riga({camera.hotel, progressivo, ditta});
        }
    }

    Casuale rnd_;
    QDate oggi_;
    TabellaMdb& camerePren_;
    TabellaMdb& schede_;
    TabellaMdb& clienti_;
    TabellaMdb& ditte_;
    std::map<int, int> prenotazioni_;
    std::map<int, int> progressivi_;
};

} // namespace

void ScriviSoggiorni(ArchiviDemo& archivi, const std::vector<CameraDemo>& camere,
                     const OpzioniDemo& opzioni) {
    Generatore g(archivi, opzioni);
    Casuale& rnd = g.rnd();
    const QDate inizio =
        opzioni.riferimento.addDays(-183 - 365 * static_cast<qint64>(opzioni.anni - 1));
    const QDate fine = opzioni.riferimento.addDays(182);
    std::vector<std::vector<Periodo>> occupazione(camere.size());
    for (std::size_t i = 0; i < camere.size(); ++i) {
        const CameraDemo& camera = camere[i];
        if (camera.libera)
            continue;
        const bool conVicina =
            i > 0 && camere[i - 1].hotel == camera.hotel && !camere[i - 1].libera;
        QDate giorno = inizio.addDays(rnd.tra(0, 3));
        while (giorno < fine) {
            if (rnd.probabile(10))
                giorno = giorno.addDays(rnd.tra(3, 12));
            const QDate partenza =
                giorno.addDays(1 + static_cast<qint64>(rnd.pesato({30, 25, 15, 10, 7, 6, 4, 3})));
            g.soggiorno(camera, conVicina ? &occupazione[i - 1] : nullptr,
                        conVicina ? &camere[i - 1] : nullptr, giorno, partenza);
            occupazione[i].emplace_back(giorno, partenza);
            giorno = partenza.addDays(static_cast<qint64>(rnd.pesato({40, 25, 15, 10, 10})));
        }
    }
}
