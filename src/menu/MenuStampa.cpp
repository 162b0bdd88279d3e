#include "menu/MenuStampa.h"

#include "msgbox/MsgBox_Routine.h"
#include "msgbox/TitoloErrore.h"
#include "output/ConvertiXLS.h"
#include "output/StampaFile.h"
#include "preview/Anteprima.h"
#include "print/Destinazioni.h"
#include "print/HotelDiStampa.h"
#include "print/NomiFile.h"
#include "routines/Annota.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "routines/TestoInFinestra.h"
#include "ui/Schermo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

const QString MenuStampa::kNessunaStampante = QStringLiteral("<nessuna stampante>");

namespace {

const QString kTitolo = QStringLiteral("Stampe non modificabili");
// The window's designed client area, in twips.
constexpr int kLarghezza = 6165;
constexpr int kAltezza = 2760;

constexpr Colore kSfondo = RGB(128, 128, 255);
constexpr Colore kSfondoElenchi = RGB(255, 224, 192);
constexpr Colore kBianco = RGB(255, 255, 255);

// The picture buttons in their row, left to right: what each does, left
// edge, picture, and the hint shown when the pointer rests on the button.
struct Disegno {
    MenuStampa::Comando comando;
    int left;
    const char16_t* immagine;
    const char16_t* suggerimento;
};
constexpr std::array<Disegno, 6> kFila = {{
    {MenuStampa::Comando::Stampa, 150, u":/menu/icone/stampa.svg", u"Stampa"},
    {MenuStampa::Comando::Anteprima, 1110, u":/menu/icone/anteprima.svg", u"Anteprima di stampa"},
    {MenuStampa::Comando::Documento, 2190, u":/menu/icone/documento.svg", u"Apri il documento"},
    {MenuStampa::Comando::FoglioDiCalcolo, 3150, u":/menu/icone/foglio.svg", u"Foglio di calcolo"},
    {MenuStampa::Comando::Pdf, 4110, u":/menu/icone/pdf.svg", u"Stampa su PDF"},
    {MenuStampa::Comando::Chiudi, 5190, u":/menu/icone/esci.svg", u"Chiudi"},
}};
constexpr int kAltoTasti = 1800;
constexpr int kLatoTasto = 855;

// The check boxes' captions are laid out for Corbel, a narrow humanist
// face; where it is missing, the system's usual stand-in is too wide for
// them, and the narrow Liberation face takes its place.
void PreparaCorbel() {
    const QString corbel = QStringLiteral("Corbel");
    if (!QFontDatabase::hasFamily(corbel) && QFont::substitutes(corbel).isEmpty())
        QFont::insertSubstitution(corbel, QStringLiteral("Liberation Sans Narrow"));
}

// Runs a menu action; a failure of the print side or of a database reaches
// the user as a message, and the menu stays open.
template <class Azione> void Riferisci(const QString& titolo, Azione azione) {
    try {
        azione();
    } catch (const Errore& errore) {
        const QString testo = TestoInFinestra(errore.righe());
        Annota(testo);
        Messaggio(testo, Stile::Avviso, TitoloErrore(errore, titolo));
    }
}

// What the user is told when no program opened a file the menu wrote: the
// file is there all the same, and where. The menu may have closed by then.
SeNonAperto NonAperto(const QString& percorso) {
    return [percorso](const QString& motivo) {
        const QFileInfo file(percorso);
        const QString testo =
            QStringLiteral("Nessun programma ha aperto il file %1\r\n"
                           "scritto nella cartella %2\r\n(%3).")
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()), motivo);
        Annota(testo.simplified());
        Messaggio(testo, Stile::Avviso, QStringLiteral("File non aperto"));
    };
}

} // namespace

MenuStampa::MenuStampa(std::int16_t hotel, ServiziDelDesktop servizi)
    : Finestra(kTitolo, kLarghezza, kAltezza), Combo1(*this, {1350, 480, 4695, 330}),
      Chk(*this, {120, 960, 1935, 255}), Chk2(*this, {2070, 960, 1980, 264}),
      Chk3(*this, {4110, 960, 2220, 264}), Combo2(*this, {1350, 1320, 4695, 330}),
      hotel_(HotelDiStampa(hotel)), servizi_(std::move(servizi)) {
    Q_INIT_RESOURCE(icone);
    setBackColor(kSfondo);

    const Carattere elenchi{QStringLiteral("Arial"), 8.25, true};
    int tab = 0;
    for (ElencoATendina* elenco : {&Combo1, &Combo2}) {
        elenco->setFont(elenchi);
        elenco->setBackColor(kSfondoElenchi);
    }
    Combo1.setTabIndex(tab++);
    Combo2.setSegnaposto(QStringLiteral("Quella della destinazione, o sceglierne una"));

    PreparaCorbel();
    const Carattere caselle{QStringLiteral("Corbel"), 9.75};
    // Each list is named beside it, in the check boxes' lettering.
    const std::array<std::pair<ElencoATendina*, QString>, 2> elenchiNominati = {{
        {&Combo1, QStringLiteral("Destinazione")},
        {&Combo2, QStringLiteral("Stampante")},
    }};
    for (int i = 0; i < 2; ++i) {
        const auto& [elenco, nome] = elenchiNominati[static_cast<std::size_t>(i)];
        Etichetta& etichetta =
            Label1.Aggiungi(*this, i, {120, elenco->Top(), 1170, elenco->Height()});
        etichetta.setCaption(nome);
        etichetta.setFont(caselle);
        etichetta.setForeColor(kBianco);
        elenco->setNomeAccessibile(nome);
    }
    const std::array<std::pair<Casella*, QString>, 3> spunte = {{
        {&Chk, QStringLiteral("Stampa Compressa")},
        {&Chk2, QStringLiteral("Stampa orizzontale")},
        {&Chk3, QStringLiteral("Stampa fronte / retro")},
    }};
    for (const auto& [casella, caption] : spunte) {
        casella->setCaption(caption);
        casella->setFont(caselle);
        casella->setForeColor(kBianco);
        casella->setTabIndex(tab++);
    }
    Combo2.setTabIndex(tab++);

    // The tab order follows the row of buttons from left to right.
    for (const Disegno& disegno : kFila) {
        Pulsante& tasto = Tst.Aggiungi(*this, static_cast<int>(disegno.comando),
                                       {disegno.left, kAltoTasti, kLatoTasto, kLatoTasto});
        tasto.setPicture(QString::fromUtf16(disegno.immagine));
        tasto.widget()->setToolTip(QString::fromUtf16(disegno.suggerimento));
        tasto.setNomeAccessibile(QString::fromUtf16(disegno.suggerimento));
        tasto.setTabIndex(tab++);
    }
    // Esc closes the menu as its exit button does.
    Tst(Comando::Chiudi).setCancel(true);
    Tst.Click = [this](int Index) { Tst_Click(Index); };
}

// Every step goes on whatever became of the one before: without a print
// file, a "doc" folder or a copy the menu is as usable as with them.
void MenuStampa::Form_Load() {
    setTop(std::max(0, (Schermo::Height() - Height()) / 2));
    setLeft(std::max(0, (Schermo::Width() - Width()) / 2));
    QDir().mkdir(QStringLiteral("doc"));
    copiaDocumento();

    Combo2.Clear();
    const QStringList stampanti = servizi_.stampanti();
    for (const QString& stampante : stampanti)
        Combo2.AddItem(stampante);
    if (Combo2.ListCount() == 0)
        Combo2.AddItem(kNessunaStampante);
}

// The options and the destinations are read afresh at every activation, so
// the first destination is offered again after the preview has closed.
void MenuStampa::Form_Activate() {
    InPrimoPiano();
    Combo1.Clear();
    // The document, the spreadsheet and the preview need no database: when
    // one cannot be read the menu says so and stays open for them.
    bool letti = false;
    Riferisci(TitoloArchivio(), [&] {
        opzioni_.aggiorna();
        for (const Destinazione& destinazione : DestinazioniDelMenu())
            Combo1.AddItem(destinazione.nome);
        letti = true;
    });
    if (!letti)
        return;
    if (Combo1.ListCount() == 0) {
        Annota(QStringLiteral("nessuna destinazione di stampa dell'albergo 1 in Stampanti.mdb"));
        Unload();
        return;
    }
    Combo1.setText(Combo1.List(0));
}

void MenuStampa::Tst_Click(int Index) {
    switch (static_cast<Comando>(Index)) {
    case Comando::Documento:
        // A copy that could not be made has nothing to open.
        if (QFileInfo(nomeDocumento_).isFile())
            servizi_.apri(nomeDocumento_, NonAperto(nomeDocumento_));
        else
            Annota(QStringLiteral("la copia del documento %1 non esiste").arg(nomeDocumento_));
        break;
    case Comando::FoglioDiCalcolo:
        apriFoglioDiCalcolo();
        break;
    case Comando::Pdf:
        stampaSuPdf();
        break;
    case Comando::Stampa:
        stampa();
        break;
    case Comando::Anteprima:
        anteprima();
        break;
    case Comando::Chiudi:
        Unload();
        break;
    }
}

// The copy is dated to the minute: two showings within one minute leave one
// copy, the later. It replaces an older copy of that name whole or not at all.
void MenuStampa::copiaDocumento() {
    try {
        const PostoDiLavoro posto = PostoDiLavoro::corrente();
        nomeDocumento_ = NomeFile(FileDiStampa::CopiaDocumento, posto, Adesso());
        QFile stampa(PercorsoFile(FileDiStampa::Stampa, posto));
        QSaveFile copia(nomeDocumento_);
        if (!stampa.open(QIODevice::ReadOnly) || !copia.open(QIODevice::WriteOnly))
            return;
        if (copia.write(stampa.readAll()) == stampa.size())
            copia.commit();
    } catch (const Errore& errore) {
        Annota(TestoInFinestra(errore.righe()));
    }
}

void MenuStampa::apriFoglioDiCalcolo() {
    Riferisci(QStringLiteral("Foglio di calcolo non creato"), [this] {
        const PostoDiLavoro posto = PostoDiLavoro::corrente();
        const QString foglio = ConvertiXLS(NomeFile(FileDiStampa::Stampa, posto), posto);
        servizi_.apri(foglio, NonAperto(foglio));
    });
}

// The PDF printer among the listed destinations; the print then goes as
// the print button sends it.
void MenuStampa::stampaSuPdf() {
    QStringList voci;
    for (int i = 0; i < Combo1.ListCount(); ++i)
        voci.append(Combo1.List(i));
    if (const std::optional<QString> pdf = DestinazionePdf(voci)) {
        Combo1.setText(*pdf);
        stampa();
    } else
        servizi_.avviso(widget(), QStringLiteral("Nessuna stampante PDF impostata!"),
                        QStringLiteral("Stampa"));
}

void MenuStampa::stampa() {
    Riferisci(QStringLiteral("Stampa non eseguita"), [this] {
        RichiestaStampa richiesta;
        richiesta.destinazione = Combo1.Text();
        richiesta.compressa = Chk.Value() == 1;
        richiesta.orizzontale = Chk2.Value() == 1;
        richiesta.fronteRetro = Chk3.Value() == 1;
        // The stand-in entry of a workstation without printers names no
        // printer: the destination's own target stays.
        if (Combo2.Text() != kNessunaStampante)
            richiesta.stampante = Combo2.Text();
        richiesta.opzioni = opzioni_.testo();
        richiesta.hotel = hotel_;
        richiesta.posto = PostoDiLavoro::corrente();
        StampaFile(richiesta);
    });
}

void MenuStampa::anteprima() {
    Riferisci(QStringLiteral("Anteprima non disponibile"), [] {
        Anteprima anteprima(PostoDiLavoro::corrente());
        anteprima.Show(Modo::Modale);
    });
}
