#include "output/StampaDriver.h"

#include "output/Converti2.h"

namespace {

constexpr QChar MarcaGrassetto(231); // ç
constexpr double kPassoGrassetto = 0.4;

class Impaginatore {
  public:
    Impaginatore(const ImpostazioniDriver& impostazioni, SuperficieStampa& stampante)
        : imp_(impostazioni), stampante_(stampante) {}

    void stampaMargine() {
        for (int i = 0; i < imp_.margineSuperiore; ++i)
            stampante_.stampa(QStringLiteral(" "), true);
        contatore_ = imp_.margineSuperiore;
    }

    void stampaSpaziatura() {
        stampante_.impostaNomeFont(FontSpaziatura);
        stampante_.impostaDimensioneFont(imp_.puntiSpaziatura);
        stampante_.stampa(QStringLiteral(" "), true);
        stampante_.impostaNomeFont(imp_.font);
    }

    void primaPagina() {
        stampante_.impostaOrientamento(orientamento());
        stampaSpaziatura();
        stampaMargine();
        stampante_.impostaDimensioneFont(imp_.puntiTesto);
    }

    void paginaSeguente() {
        stampante_.nuovaPagina();
        stampante_.impostaOrientamento(orientamento());
        stampaSpaziatura();
        stampante_.impostaDimensioneFont(imp_.puntiTesto);
        stampaMargine();
    }

    void riga(QString testo) {
        if (!imp_.corniciInChiaro)
            Converti2(testo);
        if (testo == QStringLiteral("\f")) {
            // A page-break line starts the next page the same way a full
            // page does, so it gives one page advance and every page opens
            // with the spacing line.
            paginaSeguente();
            return;
        }
        StampaLaser(testo, stampante_);
        if (++contatore_ >= imp_.lunghezzaPagina)
            paginaSeguente();
    }

  private:
    SuperficieStampa::Orientamento orientamento() const {
        return imp_.orizzontale ? SuperficieStampa::Orientamento::Orizzontale
                                : SuperficieStampa::Orientamento::Verticale;
    }

    const ImpostazioniDriver& imp_;
    SuperficieStampa& stampante_;
    int contatore_ = 0;
};

} // namespace

void StampaLaser(const QString& riga, SuperficieStampa& stampante) {
    bool grassetto = false;
    QString sospeso;
    for (const QChar c : riga) {
        if (c != MarcaGrassetto) {
            sospeso += c;
            continue;
        }
        stampante.stampa(sospeso, false);
        sospeso.clear();
        grassetto = !grassetto;
        stampante.impostaDimensioneFont(stampante.dimensioneFont() +
                                        (grassetto ? -kPassoGrassetto : kPassoGrassetto));
        stampante.impostaGrassetto(grassetto);
    }
    stampante.stampa(sospeso, true);
}

void StampaSuDriver(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                    SuperficieStampa& stampante) {
    Impaginatore pagine(impostazioni, stampante);
    pagine.primaPagina();
    for (const QString& riga : righe)
        pagine.riga(riga);
    stampante.fineDocumento();
}
