#include "print/LeggiRighe.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/tableau/TestoTableau.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "tableau/OccupazioneSettimana.h"
#include "tableau/StampaTableau.h"

#include "routines/Orologio.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const RichiestaTableau kPiccola{1, 2, QStringLiteral("100"), QStringLiteral("200"),
                                QStringLiteral("07/01/2026")};

class StampaTableauTest : public ::testing::Test {
  protected:
    StampaTableauTest() {
        ambiente_.togli("PCLocal");
        FissaOrologio(QDateTime(QDate(2026, 1, 5), QTime(8, 30)));
    }
    ~StampaTableauTest() override { FissaOrologio(std::nullopt); }

    QStringList scrivi(const RichiestaTableau& richiesta,
                       const SuiteDiProva& suite = SuitePiccola()) {
        ArchiviInMemoria archivi = suite.inMemoria();
        return ScriviTableau(richiesta, archivi, &OccupazioneSettimana::apri);
    }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
};

TEST_F(StampaTableauTest, FileStampaScrittoAMano) {
    ambiente_.imposta("PCLocal", "1");
    const QByteArray previsto = FileAtteso(QStringLiteral("piccolo.txt"));
    ASSERT_FALSE(previsto.isEmpty());
    const QStringList righe = scrivi(kPiccola);
    EXPECT_EQ(Differenza(previsto, cartella_.leggi("FD1")), QString());
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"FD1"});
    // The lines handed back are the file's as a reader gets them, frame
    // bytes included, though the file be replaced later.
    cartella_.scrivi("FD1", "un altro tableau\r\n");
    EXPECT_EQ(righe, RigheDaByte(previsto));
    EXPECT_EQ(righe.size(), previsto.count("\r\n"));
}

TEST_F(StampaTableauTest, NomeDelFileDalTestoDiPCLocal) {
    ambiente_.imposta("PCLocal", "03");
    scrivi(kPiccola);
    ambiente_.imposta("PCLocal", "3");
    scrivi(kPiccola);
    ambiente_.togli("PCLocal");
    scrivi(kPiccola);
    EXPECT_EQ(QDir::current().entryList(QDir::Files, QDir::Name),
              (QStringList{"FD", "FD03", "FD3"}));
    // An existing print file is replaced under its own spelling.
    QFile::rename("FD3", "fd3");
    ambiente_.imposta("PCLocal", "3");
    scrivi(kPiccola);
    EXPECT_EQ(QDir::current().entryList(QDir::Files, QDir::Name),
              (QStringList{"FD", "FD03", "fd3"}));
    EXPECT_EQ(cartella_.leggi("fd3"), cartella_.leggi("FD03"));
}

TEST_F(StampaTableauTest, PCLocalRifiutatoNienteScritto) {
    ambiente_.imposta("PCLocal", "../fuori");
    EXPECT_THROW(scrivi(kPiccola), Errore);
    EXPECT_THROW(StampaTableau(1, 2, QStringLiteral("100"), QStringLiteral("200"),
                               QStringLiteral("07/01/2026")),
                 Errore);
    EXPECT_TRUE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(QDir("..").entryList({"fuori*"}).isEmpty());
}

// A failure half-way through the room walk leaves the previous print file
// whole and no temporary file behind.
TEST_F(StampaTableauTest, GuastoDuranteLeCamereLasciaIlFilePrecedente) {
    ambiente_.imposta("PCLocal", "1");
    cartella_.scrivi("FD1", "tableau precedente\r\n");
    struct Guasta : RaccoltaSettimana {
        std::unique_ptr<RaccoltaSettimana> vera;
        const std::vector<QString>& camere() const override { return vera->camere(); }
        GiorniCamera giorni(const QString& camera) const override {
            if (camera == u"102")
                throw std::runtime_error("guasto");
            return vera->giorni(camera);
        }
    };
    ArchiviInMemoria archivi = SuitePiccola().inMemoria();
    const auto guasta = [](SorgenteArchivi& a, const RichiestaTableau& r, const Settimana& s) {
        auto raccolta = std::make_unique<Guasta>();
        raccolta->vera = OccupazioneSettimana::apri(a, r, s);
        return std::unique_ptr<RaccoltaSettimana>(std::move(raccolta));
    };
    EXPECT_THROW(ScriviTableau(kPiccola, archivi, guasta), std::runtime_error);
    EXPECT_EQ(cartella_.leggi("FD1"), "tableau precedente\r\n");
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{"FD1"});
}

TEST_F(StampaTableauTest, DataNonValidaNienteScritto) {
    ambiente_.imposta("PCLocal", "1");
    for (const char* data : {"31/02/2026", "7/1/2026", "29/02/2100", "28/12/9999"}) {
        RichiestaTableau richiesta = kPiccola;
        richiesta.data = QString::fromLatin1(data);
        EXPECT_THROW(scrivi(richiesta), Errore) << data;
    }
    EXPECT_TRUE(QDir::current().entryList(QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace
