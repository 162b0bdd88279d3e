#include "msgbox/MsgBox_Form.h"

#include "ui/Schermo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kLarghezzaProgetto = 4695;
constexpr int kAltezzaProgetto = 3135;
constexpr int kTraPulsanti = 70;
constexpr int kTwipsPerColonna = 90;
constexpr int kTwipsPerRiga = 300;
constexpr int kMinimoColonne = 50;

// A count as a 16-bit number: a text too long for one stops at the largest.
std::int16_t Limitato(long conteggio) {
    return static_cast<std::int16_t>(
        std::min<long>(conteggio, std::numeric_limits<std::int16_t>::max()));
}

// Half of a length, rounded towards minus infinity.
int Meta(int lunghezza) {
    return static_cast<int>(std::floor(lunghezza / 2.0));
}
} // namespace

MsgBox_Form::MsgBox_Form()
    : Finestra(QString(), kLarghezzaProgetto, kAltezzaProgetto, Bordo::Nessuno),
      Label1(*this, {0, 0, kLarghezzaProgetto, 375}), Text1(*this, {120, 480, 4455, 1695}),
      Shape1(*this, {0, 0, kLarghezzaProgetto, kAltezzaProgetto}) {
    Label1.setAlignment(Allineamento::Centro);
    Label1.setFont({QStringLiteral("Arial"), 9, true});
    Label1.setBackColor(RGB(0, 60, 120));
    Label1.setForeColor(RGB(255, 255, 255));
    Text1.setFont({QStringLiteral("Arial"), 9});
    Text1.setLocked(true);
    Text1.setScrollBars(BarreScorrimento::Verticale);
    Text1.setTabIndex(3);
    Text1.setNomeAccessibile(QStringLiteral("Testo del messaggio"));
    const QString captions[] = {QStringLiteral("Ok"), QStringLiteral("Ok"),
                                QStringLiteral("Annulla")};
    for (int i = 0; i < 3; ++i) {
        Pulsante& pulsante = T.Aggiungi(*this, i, {120 + 1080 * i, 2400, 975, 615});
        pulsante.setCaption(captions[i]);
        pulsante.setFont({QStringLiteral("Arial"), 9});
        pulsante.setTabIndex(i);
    }
    T.Click = [this](int Index) { T_Click(Index); };
}

void MsgBox_Form::Prepara(const QString& testo, Stile stile, const QString& titolo) {
    Text1.setText(testo);
    Label1.setCaption(titolo);
    // The window has no title bar; its title still names it to the desktop
    // and to screen readers.
    setCaption(titolo);
    stile_ = stile;
    const auto mostra = [this](const QString& si, bool no, bool annulla) {
        T(Tasto::OkSi).setCaption(si);
        T(Tasto::OkSi).setVisible(true);
        T(Tasto::No).setCaption(QStringLiteral("No"));
        T(Tasto::No).setVisible(no);
        T(Tasto::Annulla).setVisible(annulla);
    };
    switch (PulsantiDelloStile(stile)) {
    case Pulsanti::Ok:
        mostra(QStringLiteral("Ok"), false, false);
        break;
    case Pulsanti::SiNo:
    case Pulsanti::SiNoSenzaFuoco:
        mostra(QStringLiteral("Si"), true, false);
        break;
    case Pulsanti::SiNoAnnulla:
        mostra(QStringLiteral("Si"), true, true);
        break;
    case Pulsanti::DiProgetto:
        break;
    }
}

std::int16_t MsgBox_Form::CalcolaRighe(const QString& Testo) const {
    return Limitato(1 + Testo.count(u'\r') + 1);
}

std::int16_t MsgBox_Form::CalcolaColonne(const QString& Testo) const {
    long massimo = kMinimoColonne;
    long corrente = 0;
    for (const QChar carattere : Testo) {
        if (carattere == u'\r') {
            massimo = std::max(massimo, corrente);
            corrente = 0;
        } else {
            ++corrente;
        }
    }
    return Limitato(std::max(massimo, corrente) + 1);
}

Risposta MsgBox_Form::RispostaDi(int Index) const {
    switch (static_cast<Tasto>(Index)) {
    case Tasto::OkSi:
        return T(Tasto::OkSi).Caption() == u"Si" ? Risposta::Si : Risposta::Ok;
    case Tasto::No:
        return Risposta::No;
    case Tasto::Annulla:
        break;
    }
    return Risposta::Annulla;
}

void MsgBox_Form::Form_Load() {
    // Centred for the design size; the window is not moved when it grows.
    setTop(Meta(Schermo::Height() - Height()));
    setLeft(Meta(Schermo::Width() - Width()));
}

void MsgBox_Form::Form_Activate() {
    InPrimoPiano();
    disponiPulsanti();
    adattaAlTesto();
}

void MsgBox_Form::T_Click(int Index) {
    risposta_ = RispostaDi(Index);
    Unload();
}

// Buttons are centred on the window's width before it is fitted to the text.
void MsgBox_Form::disponiPulsanti() {
    const int w = T(Tasto::OkSi).Width();
    switch (PulsantiDelloStile(stile_)) {
    case Pulsanti::Ok:
        T(Tasto::OkSi).setLeft(Meta(Width() - w));
        break;
    case Pulsanti::SiNo:
    case Pulsanti::SiNoSenzaFuoco:
        T(Tasto::OkSi).setLeft(Meta(Width() - (2 * w + kTraPulsanti)));
        T(Tasto::No).setLeft(T(Tasto::OkSi).Left() + w + kTraPulsanti);
        if (PulsantiDelloStile(stile_) == Pulsanti::SiNo)
            T(Tasto::OkSi).SetFocus();
        break;
    case Pulsanti::SiNoAnnulla:
        T(Tasto::OkSi).setLeft(Meta(Width() - (3 * w + 2 * kTraPulsanti)));
        T(Tasto::No).setLeft(T(Tasto::OkSi).Left() + w + kTraPulsanti);
        T(Tasto::Annulla).setLeft(T(Tasto::No).Left() + T(Tasto::No).Width() + kTraPulsanti);
        T(Tasto::OkSi).SetFocus();
        break;
    case Pulsanti::DiProgetto:
        break;
    }
}

// The buttons were placed on the design width. A window that a long line
// has made wider moves them along, so that they stay in its middle.
void MsgBox_Form::centraPulsanti(int larghezza) {
    const int spostamento = Meta(larghezza - kLarghezzaProgetto);
    if (spostamento <= 0)
        return;
    for (int i = 0; i < T.Count(); ++i)
        T(i).setLeft(T(i).Left() + spostamento);
}

// The window grows by 90 twips a column and 300 a line of the message. The
// sizes are worked out in full width and held within the screen, so that a
// long message scrolls instead of overflowing.
void MsgBox_Form::adattaAlTesto() {
    const int righe = CalcolaRighe(Text1.Text());
    const int colonne = CalcolaColonne(Text1.Text());

    const int larghezza = std::min(colonne * kTwipsPerColonna, Schermo::Width());
    setWidth(larghezza);
    Shape1.setWidth(larghezza);
    Label1.setWidth(larghezza);
    Text1.setWidth(larghezza - 180);

    const int contorno = Label1.Height() + T(Tasto::OkSi).Height() + 300;
    Text1.setHeight(std::min(righe * kTwipsPerRiga, Schermo::Height() - contorno));
    setHeight(Text1.Height() + contorno);
    Shape1.setHeight(Height());
    for (int i = 0; i < T.Count(); ++i)
        T(i).setTop(Text1.Top() + Text1.Height() + 100);
    centraPulsanti(larghezza);

    // A window that has grown past the right or bottom edge of the screen
    // moves back onto it.
    if (Left() + Width() > Schermo::Width())
        setLeft(std::max(0, Schermo::Width() - Width()));
    if (Top() + Height() > Schermo::Height())
        setTop(std::max(0, Schermo::Height() - Height()));
}
