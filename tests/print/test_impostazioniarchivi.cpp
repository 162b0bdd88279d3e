#include "mdbwriter/ScrittoreMdb.h"
#include "print/CodiciStampante.h"
#include "print/Destinazioni.h"
#include "print/LungPag.h"
#include "print/OpzioniStampa.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The settings files of a suite: destinations and printer types, page
// lengths, print options.
class ImpostazioniArchivi : public ::testing::Test {
  protected:
    ImpostazioniArchivi() {
        ScrittoreMdb stampanti;
        TabellaMdb& destinazioni = stampanti.tabella(QStringLiteral("Stampanti"));
        destinazioni.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
            .colonna(QStringLiteral("Destinazione"), TipoJet::Testo, 30)
            .colonna(QStringLiteral("TipoStampa"), TipoJet::Testo, 5)
            .colonna(QStringLiteral("Linea"), TipoJet::Testo, 100);
        destinazioni.riga({2, u"Altro Hotel", u"1", u"LPT2"});
        destinazioni.riga({1, u"Ufficio", u"3", u"/dev/lp0"});
        destinazioni.riga({1, u"Archivio PDF", u" 07", u"PDF"});
        destinazioni.riga({1, u"Sala d'attesa", u"9", u"Stampante Sala"});
        destinazioni.riga({1, u"Pdf minuscolo", Valore(), u"x"});
        TabellaMdb& tipi = stampanti.tabella(QStringLiteral("SetStampa"));
        tipi.colonna(QStringLiteral("TipoStampa"), TipoJet::Intero)
            .colonna(QStringLiteral("Compresso"), TipoJet::Testo, 36)
            .colonna(QStringLiteral("Grassetto"), TipoJet::Testo, 36);
        tipi.riga({3, u"027015000000000000027018000000000000", u"000000000000000002060066"});
        tipi.riga({7, u"007000000000000001010", Valore()});
        tipi.riga({3, u"999999999999999999999999999999999999", u""});
        stampanti.salva(QStringLiteral("Stampanti.mdb"));

        ScrittoreMdb contatori;
        TabellaMdb& pagine = contatori.tabella(QStringLiteral("Contatori"));
        pagine.colonna(QStringLiteral("NumeroHotel"), TipoJet::Intero)
            .colonna(QStringLiteral("LungPagComp"), TipoJet::Doppio)
            .colonna(QStringLiteral("LungPagNoComp"), TipoJet::Intero);
        pagine.riga({2, 79.5, Valore()});
        pagine.riga({1, 80.0, 64});
        pagine.riga({3, 0.0, -5});
        contatori.salva(QStringLiteral("Contatori.mdb"));
        hotels(u"KU");
    }

    static void hotels(Valore codice, int numero = 1) {
        ScrittoreMdb anagrafica;
        TabellaMdb& hotels = anagrafica.tabella(QStringLiteral("AnagraficaHotels"));
        hotels.colonna(QStringLiteral("Numero"), TipoJet::Intero)
            .colonna(QStringLiteral("RagioneSociale"), TipoJet::Testo, 50)
            .colonna(QStringLiteral("CodiceAssistenza"), TipoJet::Testo, 20);
        hotels.riga({2, u"Secondo", u"X"});
        hotels.riga({numero, u"Primo", codice});
        anagrafica.salva(QStringLiteral("AnagraficaHotels.mdb"));
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
};

TEST_F(ImpostazioniArchivi, DestinazioniDelMenuSoloHotel1InOrdine) {
    QStringList nomi;
    for (const Destinazione& d : DestinazioniDelMenu())
        nomi << d.nome;
    EXPECT_EQ(nomi, (QStringList{"Ufficio", "Archivio PDF", "Sala d'attesa", "Pdf minuscolo"}));
    EXPECT_EQ(DestinazionePdf(nomi), QStringLiteral("Archivio PDF"));
}

TEST_F(ImpostazioniArchivi, DestinazioneCercataPerNome) {
    const auto sala = TrovaDestinazione(QStringLiteral("Sala d'attesa"));
    ASSERT_TRUE(sala);
    EXPECT_EQ(sala->linea, "Stampante Sala");
    EXPECT_EQ(sala->tipoStampa, 9);
    EXPECT_EQ(TrovaDestinazione(QStringLiteral("Archivio PDF"))->tipoStampa, 7);
    EXPECT_EQ(TrovaDestinazione(QStringLiteral("Pdf minuscolo"))->tipoStampa, 0);
    // Whatever the hotel; and exactly the name.
    EXPECT_TRUE(TrovaDestinazione(QStringLiteral("Altro Hotel")));
    EXPECT_FALSE(TrovaDestinazione(QStringLiteral("ufficio")));
}

TEST_F(ImpostazioniArchivi, BersaglioDallAmbiente) {
    Destinazione ufficio = *TrovaDestinazione(QStringLiteral("Ufficio"));
    ambiente_.togli("Ufficio");
    EXPECT_EQ(ufficio.bersaglio(), "/dev/lp0");
    ambiente_.imposta("UFFICIO", "/tmp/uscita.prn");
    EXPECT_EQ(ufficio.bersaglio(), "/tmp/uscita.prn");
    ambiente_.imposta("UFFICIO", "");
    EXPECT_EQ(ufficio.bersaglio(), "/dev/lp0");
}

TEST_F(ImpostazioniArchivi, CodiciDelTipoDiStampante) {
    const CodiciStampante diretta = LeggiCodiciStampante(3);
    EXPECT_TRUE(diretta.trovato);
    EXPECT_FALSE(diretta.driverWindows());
    EXPECT_EQ(diretta.codiceCompresso(1), 27);
    EXPECT_EQ(diretta.codiceCompresso(8), 18);
    EXPECT_EQ(diretta.margineSuperiore(), 2);
    EXPECT_EQ(diretta.lunghezzaRiempimento(true), 60);
    EXPECT_EQ(diretta.lunghezzaRiempimento(false), 66);

    const CodiciStampante windows = LeggiCodiciStampante(7);
    EXPECT_TRUE(windows.driverWindows());
    EXPECT_EQ(windows.codiceCompresso(7), 10);
    EXPECT_EQ(windows.codiceCompresso(8), 0);
    EXPECT_EQ(windows.margineSuperiore(), 0);

    const CodiciStampante assente = LeggiCodiciStampante(5);
    EXPECT_FALSE(assente.trovato);
    EXPECT_EQ(assente.lunghezzaRiempimento(true), 66);
    EXPECT_FALSE(assente.driverWindows());
}

TEST_F(ImpostazioniArchivi, LunghezzaDellaPagina) {
    EXPECT_EQ(LungPag(1, true), 80);
    EXPECT_EQ(LungPag(1, false), 64);
    EXPECT_EQ(LungPag(2, true), 80);  // 79.5 rounded half to even
    EXPECT_EQ(LungPag(2, false), 60); // absent value
    EXPECT_EQ(LungPag(9, true), 60);  // no record
    // A page of no lines or fewer cannot be printed on.
    EXPECT_EQ(LungPag(3, true), 60);
    EXPECT_EQ(LungPag(3, false), 60);
}

TEST_F(ImpostazioniArchivi, OpzioniDellHotel1) {
    OpzioniStampa opzioni;
    EXPECT_EQ(opzioni.testo(), "");
    opzioni.aggiorna();
    EXPECT_EQ(opzioni.testo(), "KU");
    EXPECT_TRUE(opzioni.corniciDellaStampante());
    EXPECT_TRUE(opzioni.riempiPagine());
    // Without a record for hotel 1 the options stay as they were.
    hotels(u"k", 3);
    opzioni.aggiorna();
    EXPECT_EQ(opzioni.testo(), "KU");
    hotels(u"xk u", 1);
    opzioni.aggiorna();
    EXPECT_FALSE(opzioni.corniciDellaStampante());
    EXPECT_FALSE(opzioni.riempiPagine());
}

TEST_F(ImpostazioniArchivi, ArchivioMancante) {
    QFile::remove("Contatori.mdb");
    EXPECT_THROW(LungPag(1, true), Errore);
}

} // namespace
