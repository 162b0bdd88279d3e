#include "preview/Anteprima.h"

#include "vistastampa/ConsegnaEMail.h"

#include "msgbox/MsgBox_Routine.h"
#include "print/NomiFile.h"
#include "ui/Schermo.h"

#include <algorithm>
#include <array>

namespace {

const QString kTitolo = QStringLiteral("Anteprima di Stampa");

// The window's designed client area, in twips.
constexpr int kLarghezza = 9525;
constexpr int kAltezza = 7380;
// Room left on the screen for the window's frame and title bar and for the
// desktop's panels, so that the row of buttons stays in sight.
constexpr int kContornoLargo = 120;
constexpr int kContornoAlto = 1200;

struct Disegno {
    const char16_t* caption;
    int left;
    int width;
    int tabIndex;
};

// The buttons as designed, in the order of Anteprima::Comando: all stand 1125 twips tall in one row
// along the bottom edge. The tab order starts with the text box (0).
constexpr std::array<Disegno, 7> kTasti = {{
    {u"&Esci", 6795, 2655, 3},
    {u"&Riduci", 84, 975, 1},
    {u"E&spandi", 1200, 1095, 2},
    {u"&Avanti", 2400, 975, 4},
    {u"&Inizio", 3480, 975, 5},
    {u"E-&mail", 4560, 975, 6},
    {u"Sa&lva", 5640, 975, 7},
}};
constexpr int kAltoTasti = 6216;
constexpr int kAltezzaTasto = 1125;

} // namespace

Anteprima::Anteprima(PostoDiLavoro posto)
    : Finestra(kTitolo, kLarghezza, kAltezza), Text1(*this, {84, 84, 9372, 6048}),
      posto_(std::move(posto)), vista_(PercorsoFile(FileDiStampa::Stampa, posto_)) {
    Text1.setScrollBars(BarreScorrimento::Entrambe);
    Text1.setFont({QStringLiteral("Courier New"), 11.25});
    Text1.setTabIndex(0);
    Text1.setNomeAccessibile(QStringLiteral("Testo della stampa"));
    for (std::size_t i = 0; i < kTasti.size(); ++i) {
        const Disegno& disegno = kTasti[i];
        Pulsante& tasto = Tasto.Aggiungi(*this, static_cast<int>(i),
                                         {disegno.left, kAltoTasti, disegno.width, kAltezzaTasto});
        tasto.setCaption(QString::fromUtf16(disegno.caption));
        tasto.setFont({QStringLiteral("Corbel"), 12, i == static_cast<std::size_t>(Comando::Esci)});
        tasto.setTabIndex(disegno.tabIndex);
    }
    // Esc closes the preview as "&Esci" does.
    Tasto(Comando::Esci).setCancel(true);
    Tasto.Click = [this](int Index) { Tasto_Click(Index); };
}

void Anteprima::Form_Load() {
    // The report's 132 columns want the whole screen.
    setLeft(0);
    setTop(0);
    setWidth(std::max(kLarghezza, Schermo::Width() - kContornoLargo));
    setHeight(std::max(kAltezza, Schermo::Height() - kContornoAlto));
    vista_.Apri();
}

void Anteprima::Form_Activate() {
    InPrimoPiano();
    // The text box fills the window above the row of buttons, which stands
    // along the bottom edge; "&Esci" reaches to 150 twips from the right.
    const int larghezza = Width();
    const int altezza = Height();
    Text1.setWidth(std::max(0, larghezza - 200));
    Text1.setHeight(std::max(0, altezza - (kAltezzaTasto * 3 / 2 + 150)));
    for (int i = 0; i < Tasto.Count(); ++i)
        Tasto(i).setTop(std::max(0, altezza - (Tasto(i).Height() * 3 / 2 + 10)));
    Tasto(Comando::Esci).setWidth(std::max(0, larghezza - Tasto(Comando::Esci).Left() - 150));

    // Only the first activation fills the view: a later one follows a
    // message of this window, and must not replace the block (and the
    // user's edits) in view.
    if (attivata_)
        return;
    attivata_ = true;
    if (!vista_.Esiste()) {
        Unload();
        return;
    }
    mostraVista(vista_.Riempi(VistaStampa::kBudgetApertura));
}

void Anteprima::Form_Unload() {
    vista_.Chiudi();
}

void Anteprima::mostraVista(const std::optional<QString>& problema) {
    if (problema)
        Messaggio(*problema, Stile::Avviso, kTitolo);
    else
        Text1.setText(vista_.Testo());
}

void Anteprima::Tasto_Click(int Index) {
    switch (static_cast<Comando>(Index)) {
    case Comando::Esci:
        Unload();
        break;
    case Comando::Riduci:
        if (Text1.FontSize() > 1)
            Text1.setFontSize(Text1.FontSize() - 1);
        break;
    case Comando::Espandi:
        Text1.setFontSize(std::min(Text1.FontSize() + 1, kPuntiMassimi));
        break;
    case Comando::Avanti:
        if (vista_.Altro() == 1)
            mostraVista(vista_.Avanti());
        Text1.SetFocus();
        break;
    case Comando::Inizio:
        mostraVista(vista_.Inizio());
        Text1.SetFocus();
        break;
    case Comando::EMail:
        InviaEMail(Text1.Text());
        break;
    case Comando::Salva:
        if (const std::optional<QString> problema = vista_.Salva(Text1.Text()))
            Messaggio(*problema, Stile::Avviso, kTitolo);
        break;
    }
}

void Anteprima::InviaEMail(const QString& testo) {
    if (const std::optional<QString> problema = ConsegnaEMail(posto_, testo))
        Messaggio(*problema, Stile::Avviso, kTitolo);
}
