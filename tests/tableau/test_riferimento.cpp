#include "prove/tableau/SuiteDiProva.h"
#include "prove/tableau/TableauDiRiferimento.h"
#include "prove/tableau/TestoTableau.h"
#include "prove/util/StampaQString.h"
#include "tableau/OccupazioneSettimana.h"
#include "tableau/StampaTableau.h"

#include <QDate>

#include <gtest/gtest.h>

#include <random>

namespace {

struct Copertura {
    int camere = 0, ospiti = 0, prenotati = 0, confermati = 0, confermatiSenzaPrenotazione = 0;

    void conta(const RaccoltaSettimana& raccolta) {
        for (const QString& camera : raccolta.camere()) {
            ++camere;
            for (const GiornoCamera& g : raccolta.giorni(camera)) {
                ospiti += g.personeClienti > 0;
                prenotati += g.prenotato;
                confermati += g.confermato;
                confermatiSenzaPrenotazione += g.confermato && !g.prenotato;
            }
        }
    }
};

// On seeded random suites, the production collection and the
// straightforward FindFirst / FindNext walk give the same print file, byte
// for byte, for random requests.
TEST(TableauDiRiferimento, StessoFileStampaSuDatiCasuali) {
    const QStringList estremi{
        "", "1", "10", "100", "101", "2", "99", "A", QStringLiteral("\u00FF")};
    Copertura copertura;
    for (std::uint32_t seme = 1; seme <= 400; ++seme) {
        const QDate primo = QDate(2026, 2, 20).addDays(static_cast<int>(seme % 13));
        const SuiteDiProva suite = SuiteCasuale(seme, primo);
        std::mt19937 caso(seme * 7919u);
        const auto tra = [&](int da, int a) {
            return std::uniform_int_distribution<int>(da, a)(caso);
        };
        const auto spesso = [&](int primo, int altro) {
            return static_cast<std::int16_t>(tra(1, 10) <= 7 ? primo : altro);
        };
        const RichiestaTableau richiesta{spesso(1, tra(2, 3)), spesso(1, 2),
                                         estremi[static_cast<std::size_t>(spesso(0, tra(1, 3)))],
                                         estremi[static_cast<std::size_t>(spesso(8, tra(4, 7)))],
                                         primo.toString(QStringLiteral("dd/MM/yyyy"))};
        ArchiviInMemoria perRiferimento = suite.inMemoria();
        ArchiviInMemoria perProduzione = suite.inMemoria();
        const QByteArray atteso =
            EseguiTableau(perRiferimento, richiesta, &TableauDiRiferimento::apri);
        const QByteArray ottenuto =
            EseguiTableau(perProduzione, richiesta, &OccupazioneSettimana::apri);
        ASSERT_EQ(Differenza(atteso, ottenuto), QString()) << "seme " << seme;

        // The day tables agree too, with the whole texts the print file cuts.
        ArchiviInMemoria perCopertura = suite.inMemoria();
        ArchiviInMemoria perConfronto = suite.inMemoria();
        const Settimana settimana = Settimana::daTesto(richiesta.data);
        const auto raccolta = OccupazioneSettimana::apri(perCopertura, richiesta, settimana);
        const auto riferimento = TableauDiRiferimento::apri(perConfronto, richiesta, settimana);
        for (const QString& camera : raccolta->camere())
            ASSERT_TRUE(raccolta->giorni(camera) == riferimento->giorni(camera))
                << "seme " << seme << ", camera " << camera.toStdString();
        copertura.conta(*raccolta);
    }
    // The random suites reach every rule often enough to mean something.
    EXPECT_GT(copertura.camere, 600);
    EXPECT_GT(copertura.ospiti, 500);
    EXPECT_GT(copertura.prenotati, 500);
    EXPECT_GT(copertura.confermati, 300);
    EXPECT_GT(copertura.confermatiSenzaPrenotazione, 20);
    std::cout << "camere " << copertura.camere << ", giorni con ospiti " << copertura.ospiti
              << ", prenotati " << copertura.prenotati << ", confermati " << copertura.confermati
              << " (senza prenotazione " << copertura.confermatiSenzaPrenotazione << ")\n";
}

} // namespace
