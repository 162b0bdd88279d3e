#include "prove/msgbox/RisposteDiProva.h"

#include "msgbox/MsgBox_Form.h"

#include <QtGlobal>

void RisposteDiProva::Accoda(Risposta risposta) {
    risposte_.push_back(risposta);
}

bool RisposteDiProva::Incontra(Finestra& finestra) {
    auto* box = dynamic_cast<MsgBox_Form*>(&finestra);
    if (!box)
        return false;
    rispondi(*box);
    return true;
}

void RisposteDiProva::rispondi(MsgBox_Form& box) {
    MessaggioMostrato mostrato{box.Text1.Text(), box.stile(),        box.Label1.Caption(),
                               box.Left(),       box.Top(),          box.Width(),
                               box.Height(),     box.Text1.Height(), {}};
    for (int i = 0; i < box.T.Count(); ++i) {
        const Pulsante& t = box.T(i);
        if (t.Visible())
            mostrato.pulsanti.push_back({i, t.Caption(), t.Left(), t.Top(), t.HaIlFuoco()});
    }
    mostrati_.push_back(mostrato);

    if (risposte_.empty())
        qFatal("Messaggio senza risposta di prova: \"%s\" (titolo \"%s\", stile %d)",
               qUtf8Printable(mostrato.testo), qUtf8Printable(mostrato.titolo),
               static_cast<int>(mostrato.stile));
    const Risposta risposta = risposte_.front();
    risposte_.pop_front();
    for (const auto& pulsante : mostrato.pulsanti) {
        if (box.RispostaDi(pulsante.Index) == risposta) {
            box.T(pulsante.Index).Premi();
            return;
        }
    }
    qFatal("Il messaggio \"%s\" (stile %d) non offre la risposta di prova %d",
           qUtf8Printable(mostrato.testo), static_cast<int>(mostrato.stile),
           static_cast<int>(risposta));
}
