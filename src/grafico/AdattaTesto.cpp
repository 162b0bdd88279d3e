#include "grafico/AdattaTesto.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double kPasso = 0.5;
// One line may be set this much smaller than the largest size before the
// text is broken into two lines instead.
constexpr double kRiduzioneSuUnaRiga = 0.85;
const QString kPuntini = QStringLiteral("\u2026");
const QString kTrattino = QStringLiteral("-");

// The sizes from `da` down to `a`, both included, in steps of kPasso.
std::vector<double> misureDa(double da, double a) {
    std::vector<double> misure;
    for (double p = da; p > a + 1e-9; p -= kPasso)
        misure.push_back(p);
    misure.push_back(a);
    return misure;
}

class Riga {
  public:
    Riga(double larghezza, bool grassetto, const MisuraTesto& misura)
        : larghezza_(larghezza), grassetto_(grassetto), misura_(misura) {}

    bool entra(const QString& testo, double punti) const {
        return misura_.larghezza(testo, punti, grassetto_) <= larghezza_;
    }
    double quanto(const QString& testo, double punti) const {
        return misura_.larghezza(testo, punti, grassetto_);
    }
    // How many characters of the text's beginning fit, followed by `coda`.
    qsizetype caratteriCheEntrano(const QString& testo, double punti,
                                  const QString& coda = {}) const {
        qsizetype entrano = 0;
        qsizetype oltre = testo.size() + 1;
        while (oltre - entrano > 1) {
            const qsizetype prova = (entrano + oltre) / 2;
            if (entra(testo.left(prova) + coda, punti))
                entrano = prova;
            else
                oltre = prova;
        }
        return entrano;
    }

  private:
    double larghezza_;
    bool grassetto_;
    const MisuraTesto& misura_;
};

// Two lines broken between words, where the longer of the two is shortest.
std::optional<QStringList> dueRigheTraParole(const QStringList& parole, double punti,
                                             const Riga& riga) {
    std::optional<QStringList> migliore;
    double piuLunga = std::numeric_limits<double>::max();
    for (qsizetype taglio = 1; taglio < parole.size(); ++taglio) {
        const QString prima = parole.mid(0, taglio).join(u' ');
        const QString seconda = parole.mid(taglio).join(u' ');
        if (!riga.entra(prima, punti) || !riga.entra(seconda, punti))
            continue;
        const double lunga = std::max(riga.quanto(prima, punti), riga.quanto(seconda, punti));
        if (lunga < piuLunga) {
            piuLunga = lunga;
            migliore = QStringList{prima, seconda};
        }
    }
    return migliore;
}

// The first line as many whole words as fit, or as much of a first word
// too long for a line as fits with a hyphen; the rest of the text after it.
struct PrimaRiga {
    QString riga;
    QString resto;
    bool spezzata = false;
};
PrimaRiga primaRiga(const QString& testo, double punti, const Riga& riga) {
    const QStringList parole = testo.split(u' ');
    qsizetype intere = 0;
    while (intere < parole.size() && riga.entra(parole.mid(0, intere + 1).join(u' '), punti))
        ++intere;
    if (intere > 0)
        return {parole.mid(0, intere).join(u' '), parole.mid(intere).join(u' '), false};
    const qsizetype caratteri =
        std::max<qsizetype>(1, riga.caratteriCheEntrano(testo, punti, kTrattino));
    return {testo.left(caratteri) + kTrattino, testo.mid(caratteri).trimmed(), true};
}

QString conPuntini(const QString& testo, double punti, const Riga& riga) {
    return testo.left(riga.caratteriCheEntrano(testo, punti, kPuntini)).trimmed() + kPuntini;
}

} // namespace

TestoAdattato AdattaTesto(const QString& testo, double larghezza, const MisureAmmesse& ammesse,
                          bool grassetto, const MisuraTesto& misura) {
    const QString pulito = testo.simplified();
    if (pulito.isEmpty())
        return {};
    const Riga riga(larghezza, grassetto, misura);
    const double sogliaUnaRiga = std::max(ammesse.minimo, ammesse.massimo * kRiduzioneSuUnaRiga);
    for (const double punti : misureDa(ammesse.massimo, sogliaUnaRiga)) {
        if (riga.entra(pulito, punti))
            return {{pulito}, punti, false};
    }
    const bool dueRighe = ammesse.righe >= 2;
    if (dueRighe) {
        const QStringList parole = pulito.split(u' ');
        for (const double punti : misureDa(ammesse.massimo, ammesse.minimo)) {
            if (const auto righe = dueRigheTraParole(parole, punti, riga))
                return {*righe, punti, false};
        }
    }
    for (const double punti : misureDa(sogliaUnaRiga, ammesse.minimo)) {
        if (riga.entra(pulito, punti))
            return {{pulito}, punti, false};
    }
    const double minimo = ammesse.minimo;
    if (!dueRighe)
        return {{conPuntini(pulito, minimo, riga)}, minimo, true};
    const PrimaRiga prima = primaRiga(pulito, minimo, riga);
    if (riga.entra(prima.resto, minimo))
        return {{prima.riga, prima.resto}, minimo, false, prima.spezzata};
    return {{prima.riga, conPuntini(prima.resto, minimo, riga)}, minimo, true, prima.spezzata};
}
