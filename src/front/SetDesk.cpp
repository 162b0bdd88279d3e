#include "front/SetDesk.h"

#include "archivi/DBEngine.h"
#include "archivi/ErroreArchivio.h"
#include "front/Scelta.h"
#include "front/VoceElenco.h"
#include "msgbox/MsgBox_Routine.h"
#include "print/ErroreStampa.h"
#include "routines/Orologio.h"
#include "routines/SetRoutine.h"
#include "ui/Programma.h"

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Invio = 13;

// Every record of the set that meets the condition, in record-set order.
template <class Azione> void PerOgni(Recordset& tabella, const Criterio& criterio, Azione azione) {
    tabella.FindFirst(criterio);
    while (!tabella.NoMatch()) {
        azione();
        tabella.FindNext(criterio);
    }
}

const QString TitoloArchivio = u"Archivio non disponibile"_s;

// The databases the window keeps open, and the table of each it searches.
const std::array<QString, 3> FileArchivi = {u"Tableau.mdb"_s, u"AnagraficaHotels.mdb"_s,
                                            u"NumeriCamere.mdb"_s};
const std::array<QString, 3> TabelleArchivi = {u"Tableau"_s, u"AnagraficaHotels"_s,
                                               u"NumeriCamere"_s};

QString Oggi() {
    return Adesso().date().toString(u"dd/MM/yyyy"_s);
}

void AvvisoCamere() {
    Messaggio(u"Controllare l'intervallo di camere richiesto!"_s, StileAvviso, u"Camere errate!"_s);
}

void AvvisoData() {
    Messaggio(u"La data deve essere inserita \r\nnel formato gg/mm/aaaa"_s, StileAvviso,
              u"Data errata!"_s);
}

void ScriviErrore(const QString& testo) {
    std::fprintf(stderr, "tableau-settimanale: %s\n", qUtf8Printable(testo));
}
} // namespace

SetDesk::SetDesk(AzioneStampa stampa)
    : Finestra(u"Tableau Settimanale"_s, 4125, 3870), stampa_(std::move(stampa)) {
    const Carattere elenchi{u"Courier New"_s, 9};
    const QString etichette[] = {u"N. Hotel "_s, u"N. Tableau "_s, u"Dalla Camera "_s,
                                 u"Alla Camera "_s, u"Data inizio "_s};
    const int righe[] = {300, 840, 1500, 2040, 2580};
    for (int i = 0; i < 5; ++i)
        Label1.Aggiungi(*this, i, {180, righe[i], 1260, 375}).setCaption(etichette[i]);

    for (int i = 0; i < 2; ++i) {
        ElencoATendina& elenco = Combo1.Aggiungi(*this, i, {1440, righe[i], 2565, 375});
        elenco.setFont(elenchi);
        elenco.setTabIndex(6 - i);
    }

    const int lunghezze[] = {6, 6, 10};
    const int larghezze[] = {1080, 1080, 1500};
    for (int i = 0; i < 3; ++i) {
        const Riquadro campo{1560, righe[2 + i] + 30, larghezze[i], 315};
        Shape1.Aggiungi(*this, i,
                        {campo.Left - 60, campo.Top - 60, campo.Width + 120, campo.Height + 120});
        CampoTesto& testo = Text1.Aggiungi(*this, i, campo);
        testo.setMaxLength(lunghezze[i]);
        testo.setTabIndex(i);
    }

    const QString captions[] = {u"&Stampa"_s, u"&Esci"_s};
    for (int i = 0; i < 2; ++i) {
        Pulsante& tasto = Tasto.Aggiungi(*this, i, {360 + i * 1845, 3180, 1560, 435});
        tasto.setCaption(captions[i]);
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
        for (std::size_t i = 0; i < FileArchivi.size(); ++i) {
            Archivi[i] = DBEngine::istanza().OpenDatabase(FileArchivi[i]);
            Tabelle[i] = Archivi[i]->OpenRecordset(TabelleArchivi[i]);
        }
    } catch (const ErroreArchivio& errore) {
        ScriviErrore(errore.messaggio());
        Messaggio(errore.messaggio(), StileAvviso, TitoloArchivio);
        ImpostaEsito(1);
        Unload();
    }
}

// The suite's other programs change the databases while the window is open:
// a file changed on disk since the window last read it is read again, so
// that new hotels, tableaux and rooms appear.
void SetDesk::Form_Activate() {
    Combo1(0).Clear();
    Combo1(1).Clear();
    Text1(2).setText(Oggi());
    try {
        for (std::size_t i = 0; i < Archivi.size(); ++i) {
            if (Archivi[i] && Archivi[i]->cambiatoSulDisco())
                Tabelle[i] = Archivi[i]->OpenRecordset(TabelleArchivi[i]);
        }
        Recordset& hotels = *Tabelle[ArchivioHotels];
        PerOgni(hotels, Campo(u"Numero"_s) > Valore(0), [&] {
            Combo1(0).AddItem(VoceElenco(hotels.Campo(u"Numero"_s).intero(),
                                         hotels.Campo(u"RagioneSociale"_s).testo()));
        });
    } catch (const ErroreArchivio& errore) {
        segnala(errore.messaggio(), TitoloArchivio);
        return;
    }
    if (Combo1(0).ListCount() == 0) {
        chiudiPerMancanza(u"nessun albergo con Numero maggiore di 0 in AnagraficaHotels.mdb"_s);
        return;
    }
    HotelScelto = NumeroDellaVoce(Combo1(0).List(0));
    Combo1(0).setText(Combo1(0).List(0));
    if (Caricata())
        Text1(0).SetFocus();
}

void SetDesk::Form_Unload() {
    for (auto& archivio : Archivi) {
        if (archivio)
            archivio->Close();
    }
}

void SetDesk::Combo1_Click(int Index) {
    try {
        if (Index == 0)
            sceltaHotel();
        else
            sceltaTableau();
    } catch (const ErroreArchivio& errore) {
        segnala(errore.messaggio(), TitoloArchivio);
    }
}

void SetDesk::Text1_GotFocus(int Index) {
    Text1(Index).setSelStart(0);
    Text1(Index).setSelLength(static_cast<int>(Text1(Index).Text().size()));
}

void SetDesk::Text1_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != Invio)
        return;
    Text1(Index).setText(PulisciTesto(Text1(Index).Text()));
    switch (Index) {
    case 0:
        Text1(1).SetFocus();
        break;
    case 1:
        if (Text1(1).Text() > Text1(0).Text())
            Text1(2).SetFocus();
        else
            AvvisoCamere();
        break;
    default: {
        QString data = Text1(2).Text();
        Text1(2).setText(CompletaData(data));
        QString copia = Text1(2).Text();
        if (ControllaData(copia)) {
            Tasto(0).SetFocus();
        } else {
            AvvisoData();
            Text1(2).setText(Oggi());
        }
        break;
    }
    }
}

void SetDesk::Tasto_Click(int Index) {
    if (Index == 0)
        stampa();
    else
        Unload();
}

void SetDesk::sceltaHotel() {
    HotelScelto = NumeroDellaVoce(Combo1(0).Text());
    Combo1(1).Clear();
    Recordset& tableau = *Tabelle[ArchivioTableau];
    PerOgni(tableau,
            Campo(u"NumeroHotel"_s) == Valore(HotelScelto) && Campo(u"Codice"_s) > Valore(0), [&] {
                Combo1(1).AddItem(VoceElenco(tableau.Campo(u"Codice"_s).intero(),
                                             tableau.Campo(u"Descrizione"_s).testo()));
            });
    if (Combo1(1).ListCount() == 0) {
        chiudiPerMancanza(u"l'albergo %1 non ha tableau in Tableau.mdb"_s.arg(HotelScelto));
        return;
    }
    TableauScelto = NumeroDellaVoce(Combo1(1).List(0));
    Combo1(1).setText(Combo1(1).List(0));
}

// The default range runs from the lowest to the highest room of the tableau
// that is a bedroom (type of kind "C"), in text order: 101 comes before 99.
void SetDesk::sceltaTableau() {
    Database tipi = DBEngine::istanza().OpenDatabase(u"TipiCamere.mdb"_s);
    Recordset tipiCamere = tipi.OpenRecordset(u"TipiCamere"_s);
    QString minima(QChar(255));
    QString massima;
    TableauScelto = NumeroDellaVoce(Combo1(1).Text());
    Recordset& camere = *Tabelle[ArchivioCamere];
    PerOgni(camere,
            Campo(u"NumeroHotel"_s) == Valore(HotelScelto) &&
                Campo(u"NumeroTableau"_s) == Valore(TableauScelto),
            [&] {
                const QString camera = camere.Campo(u"NumeroCamera"_s).testo();
                tipiCamere.FindFirst(Campo(u"Sigla"_s) == camere.Campo(u"TipoCamera"_s));
                if (tipiCamere.NoMatch() || tipiCamere.Campo(u"Tipologia"_s).testo() != u"C")
                    return;
                if (minima > camera)
                    minima = camera;
                if (massima < camera)
                    massima = camera;
            });
    tipi.Close();
    Text1(0).setText(minima);
    Text1(1).setText(massima);
    Tasto(0).SetFocus();
}

void SetDesk::stampa() {
    if (Text1(1).Text() < Text1(0).Text()) {
        AvvisoCamere();
        Text1(0).SetFocus();
        return;
    }
    // Only a date completed by Enter passes: the button itself does not complete it.
    QString copia = Text1(2).Text();
    if (!ControllaData(copia)) {
        AvvisoData();
        Text1(2).setText(Oggi());
        Text1(2).SetFocus();
        return;
    }
    if (!stampa_)
        return;
    try {
        stampa_(HotelScelto, TableauScelto, Text1(0).Text(), Text1(1).Text(), Text1(2).Text());
    } catch (const ErroreArchivio& errore) {
        segnala(errore.messaggio(), TitoloArchivio);
    } catch (const ErroreStampa& errore) {
        segnala(errore.messaggio(), u"Stampa non eseguita"_s);
    }
}

// Without a hotel, or without a tableau for the chosen one, there is nothing
// to choose: the window closes and the program ends, saying why.
void SetDesk::chiudiPerMancanza(const QString& motivo) {
    ScriviErrore(motivo);
    ImpostaEsito(1);
    Unload();
}

// A database or the print file failing during a request is reported and the
// window stays usable. The activation that follows the closing of the report
// would meet the same failure again; it is not reported twice.
void SetDesk::segnala(const QString& messaggio, const QString& titolo) {
    ScriviErrore(messaggio);
    if (segnalazioneInCorso_)
        return;
    segnalazioneInCorso_ = true;
    Messaggio(messaggio, StileAvviso, titolo);
    segnalazioneInCorso_ = false;
}
