// Print files that no report writes but a workstation may hold (edited by
// hand, cut by a full disk, copied from elsewhere): lines of 100,000
// characters, every byte from 0 to 255, no line end after the last line, a
// lone CR. Every reader of the print file gets through them without loss:
// the line reader, the preview (whose save of an unchanged view leaves the
// file byte for byte), the spreadsheet conversion, the bytes sent to a
// printer driven directly and the pages of the printer driver.
#include "output/ConvertiXLS.h"
#include "output/FlussoDiretto.h"
#include "output/StampaPdf.h"
#include "print/FileStampa.h"
#include "prove/robustezza/Impronte.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/TestoAnsi.h"
#include "vistastampa/VistaStampa.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const PostoDiLavoro kPosto(QStringLiteral("1"));

QByteArray TuttiIByte() {
    QByteArray byte;
    for (int i = 0; i < 256; ++i)
        byte.append(static_cast<char>(i));
    return byte;
}

struct FileOstile {
    const char* nome;
    QByteArray contenuto;
};

std::vector<FileOstile> FileOstili() {
    const QByteArray lunga = QByteArray(100000, 'x');
    QByteArray cornici;
    for (int i = 0; i < 1000; ++i)
        cornici += "\xB3\xC4\xDA\xBF\xC0\xD9\xC3\xB4\xC2\xC1\xC5";
    return {
        {"righe lunghe", lunga + "\r\n" + lunga + "\r\nbreve\r\n"},
        {"cornici lunghe", cornici + "\r\n" + cornici + "\r\n"},
        {"tutti i byte", TuttiIByte() + "\r\n" + TuttiIByte()},
        {"senza fine riga", "prima\r\nultima senza fine"},
        {"cr solitario", "uno\rdue\r\rtre\r"},
        {"lf solitario e cr lf spezzati", "uno\ndue\n\r\ntre\r\r\n"},
        {"solo fini riga", "\r\n\r\n\n\r"},
        {"un byte nullo", QByteArray(1, '\0')},
    };
}

// The bytes of the file without its line ends: what no reader may lose.
QByteArray SenzaFiniRiga(QByteArray byte) {
    return byte.replace('\r', QByteArray()).replace('\n', QByteArray());
}

QByteArray Unite(const QStringList& righe) {
    QByteArray byte;
    for (const QString& riga : righe)
        byte += InAnsi(riga);
    return byte;
}

// How many lines a reader must find: line ends are CR LF, a lone CR or a
// lone LF; a last line without one counts too.
qsizetype Righe(const QByteArray& byte) {
    qsizetype righe = 0;
    for (qsizetype i = 0; i < byte.size(); ++i) {
        if (byte[i] == '\r' && i + 1 < byte.size() && byte[i + 1] == '\n')
            ++i;
        if (byte[i] == '\r' || byte[i] == '\n')
            ++righe;
    }
    const bool ultimaSenzaFine = !byte.isEmpty() && byte.back() != '\r' && byte.back() != '\n';
    return righe + (ultimaSenzaFine ? 1 : 0);
}

class FileDiStampaOstili : public ::testing::TestWithParam<FileOstile> {
  protected:
    void SetUp() override {
        cartella_.scrivi("FD1", GetParam().contenuto);
        // An earlier spreadsheet and a database that no reader may touch.
        cartella_.scrivi("Stampanti.mdb", TuttiIByte());
        prima_ = Impronte(cartella_.percorso());
        prima_.remove("fd1.csv");
    }
    void TearDown() override {
        auto dopo = Impronte(cartella_.percorso());
        dopo.remove("fd1.csv");
        dopo.remove("pagine.pdf");
        EXPECT_EQ(dopo, prima_);
    }
    const QByteArray& contenuto() const { return GetParam().contenuto; }

    CartellaDiProva cartella_;
    QMap<QString, QByteArray> prima_;
};

TEST_P(FileDiStampaOstili, LetturaRigaPerRiga) {
    const std::optional<QStringList> righe = LeggiFileStampa(kPosto);
    ASSERT_TRUE(righe);
    EXPECT_EQ(righe->size(), Righe(contenuto()));
    EXPECT_EQ(Unite(*righe), SenzaFiniRiga(contenuto()));
}

// The preview reads block after block to the end, and saving every block as
// it is shown leaves the file byte for byte and its time unchanged.
TEST_P(FileDiStampaOstili, AnteprimaSalvataComeMostrata) {
    const QString percorso = cartella_.percorso("FD1");
    const QDateTime modificato = QFileInfo(percorso).lastModified();
    VistaStampa vista(percorso);
    vista.Apri();
    ASSERT_FALSE(vista.Riempi(VistaStampa::kBudgetApertura));
    QByteArray letti;
    for (int blocchi = 0;; ++blocchi) {
        ASSERT_LT(blocchi, 100);
        letti += vista.Blocco().Byte();
        ASSERT_FALSE(vista.Salva(vista.Testo()));
        if (vista.Altro() == 0)
            break;
        ASSERT_FALSE(vista.Avanti());
    }
    EXPECT_EQ(letti, contenuto());
    EXPECT_EQ(cartella_.leggi("FD1"), contenuto());
    EXPECT_EQ(QFileInfo(percorso).lastModified(), modificato);
    // From the start again: the same first block.
    ASSERT_FALSE(vista.Inizio());
    EXPECT_TRUE(contenuto().startsWith(vista.Blocco().Byte()));
}

// One spreadsheet line for each line of the print file.
TEST_P(FileDiStampaOstili, FoglioDiCalcolo) {
    ConvertiXLS(QStringLiteral("FD1"), kPosto);
    const QByteArray foglio = cartella_.leggi("fd1.csv");
    EXPECT_EQ(foglio.count("\r\n"), Righe(contenuto()));
}

// With option "K" the printer receives every byte of every line.
TEST_P(FileDiStampaOstili, StampaDiretta) {
    ImpostazioniDirette impostazioni;
    impostazioni.corniciInChiaro = true;
    impostazioni.lunghezzaPagina = 10;
    const QByteArray flusso =
        FlussoDiretto(LeggiFileStampa(kPosto), impostazioni, QStringLiteral("Prova"));
    QByteArray senzaSalti = SenzaFiniRiga(flusso);
    senzaSalti.replace('\x0C', QByteArray());
    QByteArray attesi = SenzaFiniRiga(contenuto());
    attesi.replace('\x0C', QByteArray());
    EXPECT_EQ(senzaSalti.right(attesi.size()), attesi);
}

// The printer driver's pages, here into a PDF file: written whole.
TEST_P(FileDiStampaOstili, PagineDelDriver) {
    ImpostazioniDriver impostazioni;
    impostazioni.puntiTesto = 8;
    impostazioni.puntiSpaziatura = 8;
    StampaSuFilePdf(*LeggiFileStampa(kPosto), impostazioni, cartella_.percorso("pagine.pdf"),
                    QStringLiteral("PDF"));
    EXPECT_TRUE(cartella_.leggi("pagine.pdf").startsWith("%PDF"));
}

INSTANTIATE_TEST_SUITE_P(Ostili, FileDiStampaOstili, ::testing::ValuesIn(FileOstili()),
                         [](const ::testing::TestParamInfo<FileOstile>& info) {
                             QString nome = QString::fromUtf8(info.param.nome);
                             nome.replace(u' ', u'_');
                             return nome.toStdString();
                         });

} // namespace
