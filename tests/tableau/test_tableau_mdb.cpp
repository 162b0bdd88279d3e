#include "archivi/ErroreArchivio.h"
#include "prove/print/VariabiliDiProva.h"
#include "prove/tableau/SuiteDiProva.h"
#include "prove/tableau/TableauDiRiferimento.h"
#include "prove/tableau/TestoTableau.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"
#include "routines/Errore.h"
#include "routines/Orologio.h"
#include "tableau/StampaTableau.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

// The report as the window and the batch run it: on database files in the
// current folder, through the database layer.
class TableauSuArchivi : public ::testing::Test {
  protected:
    TableauSuArchivi() {
        ambiente_.togli("PCLocal");
        ambiente_.imposta("PCLocal", "1");
        FissaOrologio(QDateTime(QDate(2026, 1, 5), QTime(8, 30)));
    }
    ~TableauSuArchivi() override { FissaOrologio(std::nullopt); }

    CartellaDiProva cartella_;
    VariabiliDiProva ambiente_;
};

// Seeded random suites written to files and read back through the layer
// give the print file that the reference walk gives on the same tables in
// memory.
TEST_F(TableauSuArchivi, ComeIlRiferimentoSuDatiCasuali) {
    for (std::uint32_t seme = 1; seme <= 40; ++seme) {
        const QDate primo = QDate(2026, 2, 20).addDays(static_cast<int>(seme % 13));
        const SuiteDiProva suite = SuiteCasuale(seme, primo);
        suite.salvaMdb();
        const RichiestaTableau richiesta{static_cast<std::int16_t>(1 + seme % 2), 1, QString(),
                                         QStringLiteral("\u00FF"),
                                         primo.toString(QStringLiteral("dd/MM/yyyy"))};
        StampaTableau(richiesta.hotel, richiesta.tableau, richiesta.primaCamera,
                      richiesta.ultimaCamera, richiesta.data);
        ArchiviInMemoria inMemoria = suite.inMemoria();
        ASSERT_EQ(Differenza(EseguiTableau(inMemoria, richiesta, &TableauDiRiferimento::apri),
                             cartella_.leggi("FD1")),
                  QString())
            << "seme " << seme;
    }
}

TEST_F(TableauSuArchivi, ArchivioMancanteNominato) {
    SuitePiccola().salvaMdb();
    QFile::remove("Scheda_Prenotazione.mdb");
    cartella_.scrivi("FD1", "precedente\r\n");
    try {
        StampaTableau(1, 2, QStringLiteral("100"), QStringLiteral("200"),
                      QStringLiteral("07/01/2026"));
        ADD_FAILURE() << "no error";
    } catch (const Errore& errore) {
        EXPECT_TRUE(errore.messaggio().contains(u"Scheda_Prenotazione.mdb"))
            << errore.messaggio().toStdString();
    }
    EXPECT_EQ(cartella_.leggi("FD1"), "precedente\r\n");
}

} // namespace
