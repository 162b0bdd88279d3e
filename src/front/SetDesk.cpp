#include "front/SetDesk.h"

#include "archivi/DBEngine.h"
#include "front/VoceElenco.h"
#include "msgbox/MsgBox_Routine.h"
#include "msgbox/TitoloErrore.h"
#include "routines/Annota.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "routines/SetRoutine.h"
#include "routines/TestoInFinestra.h"
#include "routines/TrovaFile.h"
#include "tableau/ControlloRichiesta.h"
#include "tableau/ElenchiDiScelta.h"

namespace {
constexpr int kInvio = 13;

// The databases the window keeps open, and the table of each it searches.
const std::array<QString, 3> kFileArchivi = {QStringLiteral("Tableau.mdb"),
                                             QStringLiteral("AnagraficaHotels.mdb"),
                                             QStringLiteral("NumeriCamere.mdb")};
const std::array<QString, 3> kTabelleArchivi = {
    QStringLiteral("Tableau"), QStringLiteral("AnagraficaHotels"), QStringLiteral("NumeriCamere")};

QString Oggi() {
    return Adesso().date().toString(QStringLiteral("dd/MM/yyyy"));
}

void Avvisa(Rifiuto rifiuto) {
    Messaggio(TestoInFinestra(TestoRifiuto(rifiuto)), Stile::Avviso, TitoloRifiuto(rifiuto));
}

// Said when the databases are not all there at start: the program was most
// likely started in another folder than the suite's.
QStringList ComeSceglierLaCartella() {
    for (const QString& file : kFileArchivi) {
        if (!TrovaFile(file).esiste())
            return {QStringLiteral(
                "Il programma cerca gli archivi nella cartella in cui è avviato. Dal menu "
                "delle applicazioni è la cartella della riga Path= del file "
                "tableau-settimanale.desktop, che l'amministratore imposta sulla "
                "cartella condivisa della suite (vedere man tableau-settimanale).")};
    }
    return {};
}
} // namespace

// The lists are wide enough for a "  1 " and some 32 letters of a name in
// their fixed-pitch font; a longer name ends in "…" there and shows whole in
// the open list. The window is as wide as the lists need. Every control has
// a font of its own, so that the layout fits its text whatever font the
// desktop gives windows; larger text on the desktop's side comes through its
// resolution, which enlarges the whole window.
SetDesk::SetDesk(AzioneStampa stampa)
    : Finestra(QStringLiteral("Tableau Settimanale"), 5520, 3870), stampa_(std::move(stampa)) {
    const Carattere elenchi{QStringLiteral("Courier New"), 9};
    const Carattere scritte{QStringLiteral("Arial"), 9};
    const QString etichette[] = {QStringLiteral("N. Hotel "), QStringLiteral("N. Tableau "),
                                 QStringLiteral("Dalla Camera "), QStringLiteral("Alla Camera "),
                                 QStringLiteral("Data inizio ")};
    const QString nomi[] = {QStringLiteral("Albergo"), QStringLiteral("Tableau"),
                            QStringLiteral("Dalla camera"), QStringLiteral("Alla camera"),
                            QStringLiteral("Data inizio, gg/mm/aaaa")};
    const int righe[] = {300, 840, 1500, 2040, 2580};
    for (int i = 0; i < 5; ++i) {
        Etichetta& etichetta = Label1.Aggiungi(*this, i, {180, righe[i], 1260, 375});
        etichetta.setCaption(etichette[i]);
        etichetta.setFont(scritte);
    }

    for (int i = 0; i < 2; ++i) {
        ElencoATendina& elenco = Combo1.Aggiungi(*this, i, {1440, righe[i], 3900, 375});
        elenco.setFont(elenchi);
        elenco.setTabIndex(6 - i);
        elenco.setNomeAccessibile(nomi[i]);
    }

    const int lunghezze[] = {6, 6, 10};
    const int larghezze[] = {1080, 1080, 1500};
    for (int i = 0; i < 3; ++i) {
        const Riquadro campo{1560, righe[2 + i] + 30, larghezze[i], 315};
        Shape1.Aggiungi(*this, i,
                        {campo.Left - 60, campo.Top - 60, campo.Width + 120, campo.Height + 120});
        CampoTesto& testo = Text1.Aggiungi(*this, i, campo);
        testo.setMaxLength(lunghezze[i]);
        testo.setFont(scritte);
        testo.setTabIndex(i);
        testo.setNomeAccessibile(nomi[2 + i]);
    }

    // The two buttons side by side, in the middle of the window's width.
    const QString captions[] = {QStringLiteral("&Stampa"), QStringLiteral("&Esci")};
    for (int i = 0; i < 2; ++i) {
        Pulsante& tasto = Tasto.Aggiungi(*this, i, {1065 + i * 1830, 3180, 1560, 435});
        tasto.setCaption(captions[i]);
        tasto.setFont(scritte);
        tasto.setTabIndex(3 + i);
    }

    Combo1.Click = [this](int Index) { Combo1_Click(Index); };
    Text1.GotFocus = [this](int Index) { Text1_GotFocus(Index); };
    Text1.KeyPress = [this](int Index, int KeyAscii) { Text1_KeyPress(Index, KeyAscii); };
    Tasto.Click = [this](int Index) { Tasto_Click(Index); };
}

// The calendar tables are filled when the program starts; the load opens the
// three databases the window searches for as long as it lives. A database it
// cannot open is reported once, and the program ends with a failure status.
void SetDesk::Form_Load() {
    try {
        for (std::size_t i = 0; i < kFileArchivi.size(); ++i) {
            Archivi[i] = DBEngine::istanza().OpenDatabase(kFileArchivi[i]);
            Tabelle[i] = Archivi[i]->OpenRecordset(kTabelleArchivi[i]);
        }
    } catch (const Errore& errore) {
        const QString testo = TestoInFinestra(errore.righe() + ComeSceglierLaCartella());
        Annota(testo);
        Messaggio(testo, Stile::Avviso, TitoloArchivio());
        ImpostaEsito(1);
        Unload();
    }
}

// The suite's other programs change the databases while the window is open:
// a file changed on disk since the window last read it is read again, so
// that new hotels, tableaux and rooms appear.
void SetDesk::Form_Activate() {
    Combo1(Elenco::Hotel).Clear();
    Combo1(Elenco::Tableau).Clear();
    Text1(Campo::DataInizio).setText(Oggi());
    try {
        for (std::size_t i = 0; i < Archivi.size(); ++i) {
            if (Archivi[i] && Archivi[i]->cambiatoSulDisco())
                Tabelle[i] = Archivi[i]->OpenRecordset(kTabelleArchivi[i]);
        }
        for (const VoceDiScelta& hotel : HotelDaScegliere(*Tabelle[ArchivioHotels]))
            Combo1(Elenco::Hotel).AddItem(VoceElenco(hotel.numero, hotel.nome));
    } catch (const Errore& errore) {
        segnala(errore, TitoloArchivio());
        return;
    }
    if (Combo1(Elenco::Hotel).ListCount() == 0) {
        chiudiPerMancanza(
            QStringLiteral("nessun albergo con Numero maggiore di 0 in AnagraficaHotels.mdb"));
        return;
    }
    hotelScelto_ = NumeroDellaVoce(Combo1(Elenco::Hotel).List(0));
    Combo1(Elenco::Hotel).setText(Combo1(Elenco::Hotel).List(0));
    if (Caricata())
        Text1(Campo::PrimaCamera).SetFocus();
}

void SetDesk::Form_Unload() {
    for (auto& archivio : Archivi) {
        if (archivio)
            archivio->Close();
    }
}

void SetDesk::Combo1_Click(int Index) {
    try {
        if (static_cast<Elenco>(Index) == Elenco::Hotel)
            sceltaHotel();
        else
            sceltaTableau();
    } catch (const Errore& errore) {
        segnala(errore, TitoloArchivio());
    }
}

void SetDesk::Text1_GotFocus(int Index) {
    Text1(Index).setSelStart(0);
    Text1(Index).setSelLength(static_cast<int>(Text1(Index).Text().size()));
}

void SetDesk::Text1_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != kInvio)
        return;
    Text1(Index).setText(PulisciTesto(Text1(Index).Text()));
    switch (static_cast<Campo>(Index)) {
    case Campo::PrimaCamera:
        Text1(Campo::UltimaCamera).SetFocus();
        break;
    case Campo::UltimaCamera:
        // Enter asks more than "&Stampa": the last room strictly after the first.
        if (Text1(Campo::UltimaCamera).Text() > Text1(Campo::PrimaCamera).Text())
            Text1(Campo::DataInizio).SetFocus();
        else
            Avvisa(Rifiuto::CamereErrate);
        break;
    case Campo::DataInizio:
        Text1(Campo::DataInizio).setText(CompletaDataInizio(Text1(Campo::DataInizio).Text()));
        if (DataInizioValida(Text1(Campo::DataInizio).Text())) {
            Tasto(Comando::Stampa).SetFocus();
        } else {
            Avvisa(Rifiuto::DataErrata);
            Text1(Campo::DataInizio).setText(Oggi());
        }
        break;
    }
}

void SetDesk::Tasto_Click(int Index) {
    if (static_cast<Comando>(Index) == Comando::Stampa)
        stampa();
    else
        Unload();
}

void SetDesk::sceltaHotel() {
    hotelScelto_ = NumeroDellaVoce(Combo1(Elenco::Hotel).Text());
    Combo1(Elenco::Tableau).Clear();
    for (const VoceDiScelta& tableau : TableauDaScegliere(*Tabelle[ArchivioTableau], hotelScelto_))
        Combo1(Elenco::Tableau).AddItem(VoceElenco(tableau.numero, tableau.nome));
    if (Combo1(Elenco::Tableau).ListCount() == 0) {
        chiudiPerMancanza(
            QStringLiteral("l'albergo %1 non ha tableau in Tableau.mdb").arg(hotelScelto_));
        return;
    }
    tableauScelto_ = NumeroDellaVoce(Combo1(Elenco::Tableau).List(0));
    Combo1(Elenco::Tableau).setText(Combo1(Elenco::Tableau).List(0));
}

// The room fields get the range proposed for the tableau (IntervalloProposto).
void SetDesk::sceltaTableau() {
    Database tipi = DBEngine::istanza().OpenDatabase(QStringLiteral("TipiCamere.mdb"));
    Recordset tipiCamere = tipi.OpenRecordset(QStringLiteral("TipiCamere"));
    tableauScelto_ = NumeroDellaVoce(Combo1(Elenco::Tableau).Text());
    const IntervalloCamere intervallo =
        IntervalloProposto(*Tabelle[ArchivioCamere], tipiCamere, hotelScelto_, tableauScelto_);
    tipi.Close();
    Text1(Campo::PrimaCamera).setText(intervallo.prima);
    Text1(Campo::UltimaCamera).setText(intervallo.ultima);
    Tasto(Comando::Stampa).SetFocus();
}

void SetDesk::stampa() {
    // Only a date completed by Enter passes: the button itself does not complete it.
    if (const std::optional<Rifiuto> rifiuto =
            ControllaRichiesta(Text1(Campo::PrimaCamera).Text(), Text1(Campo::UltimaCamera).Text(),
                               Text1(Campo::DataInizio).Text())) {
        Avvisa(*rifiuto);
        if (*rifiuto == Rifiuto::CamereErrate) {
            Text1(Campo::PrimaCamera).SetFocus();
        } else {
            Text1(Campo::DataInizio).setText(Oggi());
            Text1(Campo::DataInizio).SetFocus();
        }
        return;
    }
    if (!stampa_)
        return;
    try {
        stampa_(hotelScelto_, tableauScelto_, Text1(Campo::PrimaCamera).Text(),
                Text1(Campo::UltimaCamera).Text(), Text1(Campo::DataInizio).Text());
    } catch (const Errore& errore) {
        segnala(errore, QStringLiteral("Stampa non eseguita"));
    }
}

// Without a hotel, or without a tableau for the chosen one, there is nothing
// to choose: the window closes and the program ends, saying why.
void SetDesk::chiudiPerMancanza(const QString& motivo) {
    Annota(motivo);
    ImpostaEsito(1);
    Unload();
}

// A database or the print file failing during a request is reported and the
// window stays usable. The activation that follows the closing of the report
// would meet the same failure again; it is not reported twice.
void SetDesk::segnala(const Errore& errore, const QString& titoloAzione) {
    const QString testo = TestoInFinestra(errore.righe());
    Annota(testo);
    if (segnalazioneInCorso_)
        return;
    segnalazioneInCorso_ = true;
    Messaggio(testo, Stile::Avviso, TitoloErrore(errore, titoloAzione));
    segnalazioneInCorso_ = false;
}
