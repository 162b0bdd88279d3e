#include "output/FlussoDiretto.h"

#include "routines/Errore.h"
#include "routines/SetRoutine.h"
#include "routines/TestoAnsi.h"

#include <cmath>

namespace {

const QByteArray FineRiga("\r\n");
constexpr char kSaltoPagina = '\f';

// Lays out the pages of one direct print.
class Impaginatore {
  public:
    explicit Impaginatore(const ImpostazioniDirette& impostazioni) : imp_(impostazioni) {}

    QByteArray& flusso() { return flusso_; }

    void iniziaPagina() {
        contatore_ = 0;
        for (int i = 0; i < imp_.margineSuperiore; ++i)
            flusso_ += ' ' + FineRiga;
        contatore_ = imp_.margineSuperiore;
    }

    void chiudiPagina() {
        if (imp_.riempiPagina) {
            for (; contatore_ < imp_.lunghezzaRiempimento; ++contatore_)
                flusso_ += FineRiga;
        } else {
            flusso_ += kSaltoPagina;
        }
    }

    void riga(QString testo) {
        if (!imp_.corniciInChiaro)
            ConvertiCornici(testo);
        if (testo == QString(QChar(kSaltoPagina))) {
            chiudiPagina();
            iniziaPagina();
        } else {
            flusso_ += InAnsi(testo) + FineRiga;
            ++contatore_;
        }
        if (contatore_ == imp_.lunghezzaPagina) {
            chiudiPagina();
            iniziaPagina();
        }
    }

    void fine() {
        if (contatore_ > 0)
            chiudiPagina();
    }

  private:
    const ImpostazioniDirette& imp_;
    QByteArray flusso_;
    int contatore_ = 0;
};

} // namespace

QByteArray SequenzaImpostazione(const std::array<double, 5>& codici, const QString& destinazione) {
    QByteArray sequenza;
    for (std::size_t k = 0; k < codici.size(); ++k) {
        // Fractional codes round half to even, as the suite's number conversion does.
        const double valore = std::nearbyint(codici[k]);
        if (!(valore >= 0 && valore <= 255))
            throw Errore(
                GenereErrore::Uscita,
                QStringLiteral("Stampa su \"%1\" non eseguita: il byte %2 della sequenza di "
                               "impostazione della stampante vale %3, ma deve essere tra 0 e 255.")
                    .arg(destinazione)
                    .arg(k + 1)
                    .arg(codici[k]));
        sequenza += static_cast<char>(static_cast<unsigned char>(valore));
    }
    return sequenza;
}

QByteArray FlussoDiretto(const std::optional<QStringList>& righe,
                         const ImpostazioniDirette& impostazioni, const QString& destinazione) {
    Impaginatore pagine(impostazioni);
    pagine.flusso() = SequenzaImpostazione(impostazioni.codiciImpostazione, destinazione);
    if (!righe)
        return pagine.flusso();
    pagine.iniziaPagina();
    for (const QString& riga : *righe)
        pagine.riga(riga);
    pagine.fine();
    return pagine.flusso();
}
