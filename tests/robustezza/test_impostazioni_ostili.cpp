// The two settings files of the print side, FontStp.txt and
// SeparatoreXLS.txt, as a workstation may really hold them: empty, cut
// short, huge, binary, saved by an editor as UTF-8 with a byte-order mark.
// Each gives the defaults or values that make sense, quickly, and the
// spreadsheet made with them stays a spreadsheet of the print file.
#include "output/ConvertiXLS.h"
#include "print/FileImpostazioni.h"
#include "print/FileStampa.h"
#include "prove/robustezza/Impronte.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

const QString kCourier = QStringLiteral("Courier New");
const SeparatoriXLS kPredefiniti;

QByteArray OgniValoreDiByte() {
    QByteArray byte;
    for (int i = 0; i < 256; ++i)
        byte.append(static_cast<char>(i));
    return byte;
}

// Several megabytes on one line, and as many again on a second one.
QByteArray Enorme() {
    return QByteArray(3 * 1024 * 1024, ';') + "\r\n" + QByteArray(3 * 1024 * 1024, 'x');
}

void ControllaPredefiniti(const SeparatoriXLS& letti) {
    EXPECT_EQ(letti.campo, kPredefiniti.campo);
    EXPECT_EQ(letti.decimale, kPredefiniti.decimale);
    EXPECT_EQ(letti.valuta, kPredefiniti.valuta);
}

class ImpostazioniOstili : public ::testing::Test {
  protected:
    CartellaDiProva cartella_;
};

TEST_F(ImpostazioniOstili, FileVuotiOCortiDannoIPredefiniti) {
    for (const QByteArray& contenuto : {QByteArray(), QByteArray("\r\n"), QByteArray("\n\n\n"),
                                        QByteArray("\r"), QByteArray(" \t ")}) {
        cartella_.scrivi("FontStp.txt", contenuto);
        EXPECT_EQ(CarattereStampa(), kCourier) << contenuto.toHex().toStdString();
    }
    cartella_.scrivi("SeparatoreXLS.txt", "");
    ControllaPredefiniti(LeggiSeparatoriXLS());
    // A first line alone, without its line end: the other two keep their defaults.
    cartella_.scrivi("SeparatoreXLS.txt", ";");
    const SeparatoriXLS letti = LeggiSeparatoriXLS();
    EXPECT_EQ(letti.campo, ";");
    EXPECT_EQ(letti.decimale, kPredefiniti.decimale);
    EXPECT_EQ(letti.valuta, kPredefiniti.valuta);
}

// Megabytes on a line are damage, not a font name or a separator that
// would go between every two fields: defaults, and in little time.
TEST_F(ImpostazioniOstili, FileEnormiDannoIPredefinitiInFretta) {
    // Processor time, which other work on the machine does not stretch.
    const std::clock_t inizio = std::clock();
    cartella_.scrivi("FontStp.txt", Enorme());
    cartella_.scrivi("SeparatoreXLS.txt", Enorme());
    EXPECT_EQ(CarattereStampa(), kCourier);
    ControllaPredefiniti(LeggiSeparatoriXLS());

    ScriviFileStampa(PostoDiLavoro(QStringLiteral("1")), "\xB3 1 \xB3 2 \xB3\r\n");
    ConvertiXLS(QStringLiteral("FD1"), PostoDiLavoro(QStringLiteral("1")));
    EXPECT_LT(cartella_.leggi("fd1.csv").size(), 100);
    EXPECT_LT((std::clock() - inizio) / CLOCKS_PER_SEC, 20)
        << "secondi di processore per leggere e convertire";
}

// Bytes 0 to 255 in the font file are no name; in the separators file each
// line stands as written (the separators are any text the user chose),
// read back byte for byte.
TEST_F(ImpostazioniOstili, FileBinari) {
    const QByteArray byte = OgniValoreDiByte();
    cartella_.scrivi("FontStp.txt", byte);
    EXPECT_EQ(CarattereStampa(), kCourier);
    cartella_.scrivi("FontStp.txt", byte.mid(14));
    EXPECT_EQ(CarattereStampa(), kCourier);

    cartella_.scrivi("SeparatoreXLS.txt", byte);
    const SeparatoriXLS letti = LeggiSeparatoriXLS();
    // Byte 10 ends the first line, 13 the second; the third runs to the end.
    EXPECT_EQ(letti.campo.size(), 10);
    EXPECT_EQ(letti.campo.at(9), QChar(9));
    EXPECT_EQ(letti.decimale, QString(QChar(11)) + QChar(12));
    EXPECT_EQ(letti.valuta.size(), 256 - 14);

    // The spreadsheet is still made, one line for each print-file line.
    ScriviFileStampa(PostoDiLavoro(QStringLiteral("1")), "\xB3 1 \xB3 2,5 \xB3\r\nriga\r\n");
    ConvertiXLS(QStringLiteral("FD1"), PostoDiLavoro(QStringLiteral("1")));
    EXPECT_EQ(cartella_.leggi("fd1.csv").count("\r\n"), 2);
}

// Saved by an editor as UTF-8 with a byte-order mark: the mark is not part
// of the font name nor of the field separator, and the euro sign written in
// UTF-8 is the euro sign.
TEST_F(ImpostazioniOstili, Utf8ConMarcaIniziale) {
    cartella_.scrivi("FontStp.txt", "\xEF\xBB\xBFLucida Console\r\n");
    EXPECT_EQ(CarattereStampa(), "Lucida Console");
    cartella_.scrivi("FontStp.txt", "\xEF\xBB\xBF\r\nArial\r\n");
    EXPECT_EQ(CarattereStampa(), kCourier);

    cartella_.scrivi("SeparatoreXLS.txt", "\xEF\xBB\xBF;\r\n,\r\n\xE2\x82\xAC\r\n");
    const SeparatoriXLS letti = LeggiSeparatoriXLS();
    EXPECT_EQ(letti.campo, ";");
    EXPECT_EQ(letti.decimale, ",");
    EXPECT_EQ(letti.valuta, QString(QChar(0x20AC)));

    // The same file without the mark stays Windows-1252: € is byte 0x80.
    cartella_.scrivi("SeparatoreXLS.txt", ";\r\n,\r\n\x80\r\n");
    EXPECT_EQ(LeggiSeparatoriXLS().valuta, QString(QChar(0x20AC)));
}

// Reading the settings never writes: every file in the folder is as it was.
TEST_F(ImpostazioniOstili, LetturaSenzaScrittura) {
    cartella_.scrivi("FontStp.txt", OgniValoreDiByte());
    cartella_.scrivi("SeparatoreXLS.txt", "\xEF\xBB\xBF\xFF\xFE");
    const auto prima = Impronte(cartella_.percorso());
    (void)CarattereStampa();
    (void)LeggiSeparatoriXLS();
    EXPECT_EQ(Impronte(cartella_.percorso()), prima);
}

} // namespace
