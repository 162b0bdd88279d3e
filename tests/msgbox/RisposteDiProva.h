#pragma once

#include "msgbox/Stili.h"
#include "ui/Utente.h"

#include <QString>

#include <cstdint>
#include <deque>
#include <vector>

class MsgBox_Form;

// A message as its window would have shown it; geometry in twips.
struct MessaggioMostrato {
    struct Pulsante {
        int Index;
        QString Caption;
        int Left;
        int Top;
        bool fuoco;
    };

    QString testo;
    Stile stile;
    QString titolo;
    int Left, Top, Width, Height;
    int altezzaTesto;
    std::vector<Pulsante> pulsanti; // the visible ones, by index
};

// While an object of this class lives, Messaggio puts nothing on the screen:
// the message window is loaded and activated as usual, what it would show is
// recorded, and the button that gives the next queued answer is pressed in
// the user's place. A message for which no answer is queued, or whose
// buttons cannot give the queued one, stops the program with a diagnostic:
// a test never waits for a window nobody will answer.
class RisposteDiProva : public Utente {
  public:
    void Accoda(Risposta risposta);
    // The messages answered so far, oldest first.
    const std::vector<MessaggioMostrato>& Mostrati() const { return mostrati_; }
    // Queued answers no message has used yet.
    int InAttesa() const { return static_cast<int>(risposte_.size()); }

    // Answers a message window; leaves any other window alone.
    bool Incontra(Finestra& finestra) override;

  private:
    void rispondi(MsgBox_Form& box);

    std::deque<Risposta> risposte_;
    std::vector<MessaggioMostrato> mostrati_;
};
