#pragma once

#include "prove/util/CartellaDiProva.h"

#include <QByteArray>
#include <QString>

// Puts a folder of its own at the head of the PATH for the object's
// lifetime, with or without a stand-in e-mail program "Spedix.exe" in it. The stand-in
// writes into the file "avviato" of the folder it was started in that folder
// and the number of its arguments.
class SpedixDiProva {
  public:
    SpedixDiProva(const CartellaDiProva& cartella, bool conProgramma);
    ~SpedixDiProva();
    SpedixDiProva(const SpedixDiProva&) = delete;
    SpedixDiProva& operator=(const SpedixDiProva&) = delete;

    // Waits up to ten seconds for the stand-in to report its start; the
    // report, or an empty text when it never came.
    QByteArray AttendiAvvio() const;
    bool Avviato() const;

  private:
    const CartellaDiProva& cartella_;
    QByteArray pathPrecedente_;
};
