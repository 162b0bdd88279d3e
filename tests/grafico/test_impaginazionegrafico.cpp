#include "grafico/AdattaTesto.h"
#include "grafico/ImpaginazioneGrafico.h"
#include "prove/util/StampaQString.h"
#include "routines/Calendario.h"

#include <gtest/gtest.h>

// The chart's layout with a font of fixed proportions, so that what fits
// where is known without any font installed.

namespace {

class MisuraFissa : public MisuraTesto {
  public:
    double larghezza(const QString& testo, double punti, bool grassetto) const override {
        return static_cast<double>(testo.size()) * punti * (grassetto ? 0.55 : 0.5);
    }
    double ascesa(double punti) const override { return 0.9 * punti; }
    double discesa(double punti) const override { return 0.2 * punti; }
};

const MisuraFissa kMisura;

QString unite(const TestoAdattato& testo) {
    return testo.righe.join(u' ');
}

TEST(AdattaTesto, RiduceOVaACapoPrimaDiTagliare) {
    const MisureAmmesse ammesse{10, 7, 2};
    // 10 characters at 10 points are 50 points wide.
    const TestoAdattato corto =
        AdattaTesto(QStringLiteral("Rossi Anna"), 60, ammesse, false, kMisura);
    EXPECT_EQ(corto.righe, QStringList{"Rossi Anna"});
    EXPECT_EQ(corto.punti, 10);
    // A little too wide: one line, a little smaller.
    const TestoAdattato stretto =
        AdattaTesto(QStringLiteral("Rossi Anna"), 46, ammesse, false, kMisura);
    EXPECT_EQ(stretto.righe.size(), 1);
    EXPECT_LT(stretto.punti, 10);
    EXPECT_GE(stretto.punti, 8.5);
    // Much too wide: two lines broken between words, evenly, nothing lost.
    const QString ditta = QStringLiteral("Lavorazioni Meccaniche Riva S.p.A.");
    const TestoAdattato ditta2 = AdattaTesto(ditta, 95, ammesse, false, kMisura);
    ASSERT_EQ(ditta2.righe.size(), 2);
    EXPECT_EQ(unite(ditta2), ditta);
    EXPECT_FALSE(ditta2.tagliato);
    for (const QString& riga : ditta2.righe)
        EXPECT_LE(kMisura.larghezza(riga, ditta2.punti, false), 95);
    // A word longer than a line is broken inside only when nothing else fits.
    const TestoAdattato parola =
        AdattaTesto(QStringLiteral("Pellegrinisorrentinomontanari"), 60, ammesse, false, kMisura);
    ASSERT_EQ(parola.righe.size(), 2);
    EXPECT_TRUE(parola.spezzato);
    EXPECT_TRUE(parola.righe[0].endsWith(u'-'));
    EXPECT_EQ(parola.righe[0].chopped(1) + parola.righe[1], "Pellegrinisorrentinomontanari");
    EXPECT_EQ(parola.punti, 7);
    // Past two lines at the smallest size the end gives way to an ellipsis,
    // and still no line is wider than the room.
    const TestoAdattato lungo = AdattaTesto(ditta + u' ' + ditta, 60, ammesse, false, kMisura);
    ASSERT_EQ(lungo.righe.size(), 2);
    EXPECT_TRUE(lungo.tagliato);
    EXPECT_TRUE(lungo.righe[1].endsWith(u'\u2026'));
    EXPECT_EQ(lungo.punti, 7);
    for (const QString& riga : lungo.righe)
        EXPECT_LE(kMisura.larghezza(riga, 7, false), 60);
    // One line only: cut on it.
    const TestoAdattato titolo = AdattaTesto(ditta, 60, {10, 7, 1}, true, kMisura);
    EXPECT_EQ(titolo.righe.size(), 1);
    EXPECT_TRUE(titolo.tagliato);
    EXPECT_TRUE(AdattaTesto(QStringLiteral("  "), 60, ammesse, false, kMisura).righe.isEmpty());
}

// A tableau of `camere` rooms from Monday 05/01/2026, every day of every
// room taken, by turns registered, reserved and confirmed, with names and
// companies long enough to need two lines.
TableauDellaSettimana TableauPieno(int camere) {
    TableauDellaSettimana tableau{
        {QStringLiteral("Grand Hotel delle Terme"), QStringLiteral("Tutte le camere")},
        Settimana::daTesto(QStringLiteral("05/01/2026")),
        QDateTime(QDate(2026, 1, 5), QTime(7, 30)),
        {}};
    for (int i = 0; i < camere; ++i) {
        CameraDellaSettimana camera{QString::number(1001 + i), {}};
        for (int d = 0; d < 7; ++d) {
            GiornoCamera& g = camera.giorni[static_cast<std::size_t>(d)];
            const QString n = QString::number(i * 7 + d);
            g.numeroGiorno = 10000 + i * 7 + d;
            g.personeClienti = 2;
            g.nomeClientiIntero = QStringLiteral("Maria Beatrice Dell'Acqua ") + n;
            g.dittaClientiIntera = QStringLiteral("Lavorazioni Meccaniche Riva ") + n;
            g.prenotato = (i + d) % 3 != 0;
            g.dittaPrenotazioniIntera = g.dittaClientiIntera;
            g.confermato = (i + d) % 3 == 2;
            g.nomePrenotazioniIntero = g.nomeClientiIntero;
            g.personePrenotazioni = 3;
        }
        tableau.camere.push_back(camera);
    }
    return tableau;
}

QString testoDellaPagina(const PaginaGrafico& pagina) {
    QStringList testi;
    for (const Scritta& s : pagina.scritte)
        testi << s.testo;
    return testi.join(u' ');
}

TEST(ImpaginazioneGrafico, CentocinquantaCamereSuPiuFogli) {
    const TableauDellaSettimana tableau = TableauPieno(150);
    for (const FoglioGrafico foglio :
         {FoglioGrafico{}, FoglioGrafico{FoglioGrafico::Carta::A3, true},
          FoglioGrafico{FoglioGrafico::Carta::A4, true},
          FoglioGrafico{FoglioGrafico::Carta::Letter, true}}) {
        // An upright A4 or letter sheet has too narrow a column for some of
        // the long names, which give way to an ellipsis there.
        const bool largo = foglio.misura().width() > 800;
        const PianoGrafico piano = ImpaginaGrafico(tableau, foglio, kMisura);
        const QRectF carta(QPointF(0, 0), foglio.misura());
        ASSERT_GT(piano.pagine.size(), 1u);
        EXPECT_GE(piano.puntiMinimi(), 7);
        EXPECT_GE(piano.corpo, 7);
        std::size_t righe = 0;
        QStringList nomi;
        for (std::size_t n = 0; n < piano.pagine.size(); ++n) {
            const PaginaGrafico& pagina = piano.pagine[n];
            const QString testo = testoDellaPagina(pagina);
            const std::string dove = "foglio " + std::to_string(n + 1);
            // The heading and the day header on every sheet.
            EXPECT_TRUE(testo.contains(u"Grand Hotel delle Terme")) << dove;
            EXPECT_TRUE(testo.contains(u"Tableau Tutte le camere")) << dove;
            EXPECT_TRUE(testo.contains(u"stampato il 05/01/2026 alle 07:30")) << dove;
            EXPECT_TRUE(testo.contains(
                QStringLiteral("pagina %1 di %2").arg(n + 1).arg(piano.pagine.size())))
                << dove;
            for (const QString& giorno : kNomiGiorni)
                EXPECT_TRUE(testo.contains(giorno)) << dove;
            // Whole rows, one under the other, inside the body.
            ASSERT_FALSE(pagina.righe.empty()) << dove;
            double y = pagina.corpo.top();
            for (const QRectF& riga : pagina.righe) {
                EXPECT_DOUBLE_EQ(riga.top(), y) << dove;
                EXPECT_LE(riga.bottom(), pagina.corpo.bottom() + 1e-9) << dove;
                y = riga.bottom();
            }
            righe += pagina.righe.size();
            EXPECT_TRUE(carta.contains(pagina.corpo)) << dove;
            for (const Scritta& s : pagina.scritte) {
                const QRectF riquadro(s.origine.x(), s.origine.y() - kMisura.ascesa(s.punti),
                                      kMisura.larghezza(s.testo, s.punti, s.grassetto),
                                      kMisura.ascesa(s.punti) + kMisura.discesa(s.punti));
                EXPECT_TRUE(carta.contains(riquadro))
                    << dove << ": " << s.testo.toStdString() << " fuori dal foglio";
                EXPECT_TRUE(!largo || !s.testo.contains(u'\u2026'))
                    << dove << ": " << s.testo.toStdString();
            }
            nomi << testo;
        }
        EXPECT_EQ(righe, 150u);
        // Every room once, in order; every name and company whole.
        const QString tutto = nomi.join(u' ');
        qsizetype da = 0;
        for (const CameraDellaSettimana& camera : tableau.camere) {
            const qsizetype dove = tutto.indexOf(camera.camera, da);
            ASSERT_GE(dove, 0) << camera.camera.toStdString();
            da = dove;
            for (const GiornoCamera& g : camera.giorni) {
                EXPECT_TRUE(!largo || tutto.contains(g.nomeClientiIntero));
                EXPECT_TRUE(!largo || tutto.contains(g.dittaClientiIntera));
            }
        }
    }
}

TEST(ImpaginazioneGrafico, TableauVuoti) {
    TableauDellaSettimana senzaCamere = TableauPieno(0);
    const PianoGrafico vuoto = ImpaginaGrafico(senzaCamere, FoglioGrafico{}, kMisura);
    ASSERT_EQ(vuoto.pagine.size(), 1u);
    EXPECT_TRUE(testoDellaPagina(vuoto.pagine[0]).contains(u"Nessuna camera da mostrare"));
    EXPECT_TRUE(testoDellaPagina(vuoto.pagine[0]).contains(u"pagina 1 di 1"));

    TableauDellaSettimana libero = TableauPieno(3);
    for (CameraDellaSettimana& camera : libero.camere)
        camera.giorni = GiorniCamera{};
    const PianoGrafico settimanaLibera = ImpaginaGrafico(libero, FoglioGrafico{}, kMisura);
    ASSERT_EQ(settimanaLibera.pagine.size(), 1u);
    EXPECT_EQ(settimanaLibera.pagine[0].righe.size(), 3u);
    EXPECT_TRUE(settimanaLibera.pagine[0].campiture.size() == 3u); // the legend's samples only
    EXPECT_TRUE(testoDellaPagina(settimanaLibera.pagine[0])
                    .contains(u"Nessun ospite registrato e nessuna prenotazione"));
}

} // namespace
