#pragma once

#include "msgbox/Stili.h"
#include "ui/AreaTesto.h"
#include "ui/Cornice.h"
#include "ui/Etichetta.h"
#include "ui/Finestra.h"
#include "ui/Matrice.h"
#include "ui/Pulsante.h"

#include <QString>

#include <cstdint>

// The program's message window: no border, always on top, a title strip, the
// message and one to three buttons. It grows with the message's longest line
// and its number of lines, up to the size of the screen; a message larger
// than that scrolls.
class MsgBox_Form : public Finestra {
  public:
    MsgBox_Form();

    // Fills the window for a message: text, title, and the buttons' captions
    // and visibility for the style.
    void Prepara(const QString& testo, Stile stile, const QString& titolo);
    // The style of the message prepared.
    Stile stile() const { return stile_; }
    // The answer of the button pressed; Ok while none has been.
    Risposta risposta() const { return risposta_; }

    // Lines of text the window makes room for: one more than the lines of
    // `Testo`, counted by carriage returns.
    std::int16_t CalcolaRighe(const QString& Testo) const;
    // Columns the window makes room for: one more than the longest line of
    // `Testo`, and never fewer than 51. A line feed counts as a character.
    std::int16_t CalcolaColonne(const QString& Testo) const;

    // The answer that pressing T(Index) gives.
    Risposta RispostaDi(int Index) const;

    Etichetta Label1;
    AreaTesto Text1;
    // The buttons of T, left to right: "Ok" or "Si", "No", "Annulla".
    enum class Tasto { OkSi, No, Annulla };
    Matrice<Pulsante> T;
    Cornice Shape1;

  protected:
    void Form_Load() override;
    void Form_Activate() override;

  private:
    void T_Click(int Index);
    void disponiPulsanti();
    void adattaAlTesto();
    void centraPulsanti(int larghezza);

    Stile stile_ = Stile::Ok;
    Risposta risposta_ = Risposta::Ok;
};
