#pragma once

#include "archivi/Database.h"
#include "archivi/Recordset.h"
#include "routines/Errore.h"
#include "ui/CampoTesto.h"
#include "ui/Cornice.h"
#include "ui/ElencoATendina.h"
#include "ui/Etichetta.h"
#include "ui/Finestra.h"
#include "ui/Matrice.h"
#include "ui/Pulsante.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// The start-up window: the user chooses a hotel, one of its tableaux, a range
// of rooms and the first day of the week, and asks for the tableau. Closing
// it ends the program.
class SetDesk : public Finestra {
  public:
    // What "&Stampa" does with a request it has accepted: write the tableau
    // into the print file and show the print menu. It receives the chosen
    // hotel and tableau, the two room fields as they stand and the date. An
    // Errore it raises is shown in a message.
    using AzioneStampa =
        std::function<void(std::int16_t hotel, std::int16_t tableau, const QString& primaCamera,
                           const QString& ultimaCamera, const QString& data)>;

    explicit SetDesk(AzioneStampa stampa = {});

    // The indices of the control arrays.
    enum class Elenco { Hotel, Tableau };
    enum class Campo { PrimaCamera, UltimaCamera, DataInizio };
    enum class Comando { Stampa, Esci };

    // The hotels, and the tableaux of the chosen hotel.
    Matrice<ElencoATendina> Combo1;
    // The first and the last room, and the first day (gg/mm/aaaa).
    Matrice<CampoTesto> Text1;
    Matrice<Etichetta> Label1;
    Matrice<Cornice> Shape1;
    // "&Stampa" and "&Esci".
    Matrice<Pulsante> Tasto;

    // The numbers of the hotel and of the tableau chosen in the lists.
    std::int16_t HotelScelto() const { return hotelScelto_; }
    std::int16_t TableauScelto() const { return tableauScelto_; }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

  private:
    void Combo1_Click(int Index);
    void Text1_GotFocus(int Index);
    void Text1_KeyPress(int Index, int KeyAscii);
    void Tasto_Click(int Index);

    void sceltaHotel();
    void sceltaTableau();
    void stampa();
    void chiudiPerMancanza(const QString& motivo);
    void segnala(const Errore& errore, const QString& titoloAzione);

    enum { ArchivioTableau, ArchivioHotels, ArchivioCamere };
    std::array<std::optional<Database>, 3> Archivi;
    std::array<std::optional<Recordset>, 3> Tabelle;

    AzioneStampa stampa_;
    std::int16_t hotelScelto_ = 0;
    std::int16_t tableauScelto_ = 0;
    bool segnalazioneInCorso_ = false;
};
