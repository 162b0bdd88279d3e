#pragma once

#include "vistastampa/VistaStampa.h"

#include "print/PostoDiLavoro.h"
#include "ui/AreaTesto.h"
#include "ui/Finestra.h"
#include "ui/Matrice.h"
#include "ui/Pulsante.h"

#include <QString>

#include <cstdint>

// The page preview, "Anteprima di Stampa": the print file shown a block at a
// time in one editable text box, with buttons to make the text smaller or
// larger, go on to the next block, go back to the first, hand the text to
// the e-mail program, save it into the print file, and close.
//
// The print menu opens it modally once the print file is written, for the
// workstation whose print file it is, and goes on when it has closed:
//     Anteprima anteprima(posto);
//     anteprima.Show(Modo::Modale);
// When there is no print file the window closes as soon as it opens.
class Anteprima : public Finestra {
  public:
    // The workstation names both the print file shown and the e-mail
    // message file.
    explicit Anteprima(PostoDiLavoro posto);

    // Writes the message file for `testo` and starts the e-mail program; a
    // failure is shown in a message and the window stays open.
    void InviaEMail(const QString& testo);

    // "E&spandi" stops at this font size; "&Riduci" acts while the size is
    // above 1 point.
    static constexpr double kPuntiMassimi = 72;

    AreaTesto Text1;
    // The buttons, indexed by what they do: "&Esci", "&Riduci", "E&spandi",
    // "&Avanti", "&Inizio", "E-&mail", "Sa&lva".
    enum class Comando { Esci, Riduci, Espandi, Avanti, Inizio, EMail, Salva };
    Matrice<Pulsante> Tasto;

    const VistaStampa& Vista() const { return vista_; }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

  private:
    void Tasto_Click(int Index);
    void mostraVista(const std::optional<QString>& problema);

    PostoDiLavoro posto_;
    VistaStampa vista_;
    bool attivata_ = false;
};
