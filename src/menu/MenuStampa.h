#pragma once

#include "menu/ServiziDelDesktop.h"
#include "print/OpzioniStampa.h"
#include "ui/Casella.h"
#include "ui/ElencoATendina.h"
#include "ui/Etichetta.h"
#include "ui/Finestra.h"
#include "ui/Matrice.h"
#include "ui/Pulsante.h"

#include <QString>

#include <cstdint>

// The print menu, "Stampe non modificabili", shown modally once the report
// has written the workstation's print file:
//     MenuStampa menu(hotel);
//     menu.Show(Modo::Modale);
// On loading it copies the print file into a dated document in the folder
// "doc" and lists the installed printers; each activation reads the print
// options and the destinations of hotel 1 again (and closes the menu when
// there is none). Six picture buttons then open the document copy, make the
// spreadsheet file and open it, print on the PDF destination, print, show
// the preview, and close the menu.
class MenuStampa : public Finestra {
  public:
    // `hotel` is the one chosen for the tableau; its printing settings are
    // those of hotel 1 when none is chosen (HotelDiStampa).
    explicit MenuStampa(std::int16_t hotel, ServiziDelDesktop servizi = {});

    // The entry of Combo2 when no printer is installed.
    static const QString kNessunaStampante;

    // The destinations of hotel 1.
    ElencoATendina Combo1;
    // The names beside the lists: 0 the destinations', 1 the printers'.
    Matrice<Etichetta> Label1;
    // Compressed, landscape and two-sided print.
    Casella Chk;
    Casella Chk2;
    Casella Chk3;
    // The installed printers; a printer chosen here takes the place of the
    // destination's target.
    ElencoATendina Combo2;
    // The picture buttons, indexed by what they do; in the row they stand
    // Stampa, Anteprima, Documento, FoglioDiCalcolo, Pdf, Chiudi.
    enum class Comando { Documento, FoglioDiCalcolo, Pdf, Stampa, Anteprima, Chiudi };
    Matrice<Pulsante> Tst;

    // The document copy made at load time, relative to the current folder;
    // empty when its name could not be made.
    const QString& NomeDocumento() const { return nomeDocumento_; }
    // OpzioniStampa: the print options read at the last activation.
    const ::OpzioniStampa& Opzioni() const { return opzioni_; }
    // The hotel whose printing settings the print takes.
    std::int16_t Hotel() const { return hotel_; }

  protected:
    void Form_Load() override;
    void Form_Activate() override;

  private:
    void Tst_Click(int Index);

    void copiaDocumento();
    void apriFoglioDiCalcolo();
    void stampaSuPdf();
    void stampa();
    void anteprima();

    std::int16_t hotel_;
    ServiziDelDesktop servizi_;
    QString nomeDocumento_;
    ::OpzioniStampa opzioni_;
};
