#include "msgbox/MsgBox_Routine.h"

#include "msgbox/MsgBox_Form.h"
#include "msgbox/RisposteDiProva.h"

std::int16_t StileMsg = 0;
std::int16_t RispostaMsg = 0;

std::int16_t Messaggio(const QString& testo, std::int16_t stile, const QString& titolo) {
    MsgBox_Form box;
    box.Prepara(testo, stile, titolo);
    if (RisposteDiProva* prova = RisposteDiProva::attive())
        box.SostituisciUtente([prova, &box] { prova->rispondi(box); });
    box.Show(Modo::Modale);
    return RispostaMsg;
}
