#include "msgbox/MsgBox_Routine.h"

#include "msgbox/MsgBox_Form.h"

Risposta Messaggio(const QString& testo, Stile stile, const QString& titolo) {
    MsgBox_Form box;
    box.Prepara(testo, stile, titolo);
    box.Show(Modo::Modale);
    return box.risposta();
}
