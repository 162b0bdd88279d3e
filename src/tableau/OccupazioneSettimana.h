#pragma once

#include "tableau/PrimoPerValore.h"
#include "tableau/RaccoltaSettimana.h"
#include "tableau/RegoleCampi.h"

#include <QHash>

#include <optional>

// The week's occupancy, gathered in one pass over each record set. Every
// table is read once with its selection applied while it is scanned; the
// week's guests and reserved rooms are then grouped by room number in
// record-set order and the reservation cards and companies indexed by
// number, so that a room's day table costs only the room's own records, and
// "the last one found wins" means the last of the room's group.
class OccupazioneSettimana : public RaccoltaSettimana {
  public:
    static std::unique_ptr<RaccoltaSettimana>
    apri(SorgenteArchivi& archivi, const RichiestaTableau& richiesta, const Settimana& settimana);

    const std::vector<QString>& camere() const override { return camere_; }
    GiorniCamera giorni(const QString& camera) const override;

  private:
    // Bit d-1 is set for each day d that a record covers.
    using Giorni = unsigned;

    // A text field as the print file cuts it, and whole.
    struct Testo {
        QString tagliato;
        QString intero;
        static Testo di(const Valore& campo, qsizetype taglio) {
            return {Taglia(campo, taglio), Intera(campo)};
        }
    };
    struct Ospite {
        Giorni conta = 0;             // days on which the guest counts (present, not departed)
        bool primo = false;           // NumeroComponente = 1
        std::int64_t progressivo = 0; // NumeroProgressivo
        std::optional<Testo> ditta;   // the company invoiced, when there is one
        Testo nome;                   // NomeCliente
    };
    struct CameraPrenotata {
        Giorni copre = 0;
        bool accettata = false; // of kind C, O or D, with persons
        Valore numero;          // NumeroPrenotazione as read
        std::int64_t persone = 0;
        Testo ditta; // company of its card, or one blank
    };
    struct Scheda {
        bool confermabile = false; // of kind C, O or D
        Testo nome;
    };

    void leggiPrenotazioni(Recordset& camereSettimana, Recordset& prenotazioniSettimana,
                           const RichiestaTableau& richiesta, const Settimana& settimana);
    void leggiOspiti(Recordset& clientiSettimana, Recordset& ditte, const Settimana& settimana);
    void leggiCamere(Recordset& camere);

    std::vector<QString> camere_;
    QHash<QString, std::vector<Ospite>> ospiti_;
    QHash<QString, std::vector<CameraPrenotata>> prenotate_;
    std::vector<Scheda> schede_;
    PrimoPerValore schedaPerNumero_;
};
