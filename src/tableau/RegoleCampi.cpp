#include "tableau/RegoleCampi.h"

#include <cmath>

bool Uguale(const Valore& a, const Valore& b) {
    return a.confronta(b) == std::strong_ordering::equal;
}

bool Diverso(const Valore& a, const Valore& b) {
    const auto ordine = a.confronta(b);
    return ordine && *ordine != 0;
}

bool Maggiore(const Valore& a, const Valore& b) {
    const auto ordine = a.confronta(b);
    return ordine && *ordine > 0;
}

bool CopreIlGiorno(const Valore& arrivo, const Valore& partenza, const QString& dataGiorno) {
    const Valore giorno(dataGiorno);
    const auto daArrivo = arrivo.confronta(giorno);
    return daArrivo && *daArrivo <= 0 && Maggiore(partenza, giorno);
}

QString SenzaSpazi(const QString& testo) {
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo[inizio] == u' ')
        ++inizio;
    while (fine > inizio && testo[fine - 1] == u' ')
        --fine;
    return testo.mid(inizio, fine - inizio);
}

QString Taglia(const Valore& valore, qsizetype n) {
    return SenzaSpazi(valore.testo().left(n));
}

QString Intera(const Valore& valore) {
    return SenzaSpazi(valore.testo());
}

QChar CarattereVisibile(QChar c) {
    return c.category() == QChar::Other_Control ? QChar(u' ') : c;
}

QString TestoVisibile(const QString& testo) {
    // A copy is made only when there is a character to replace.
    QString pulito = testo;
    for (qsizetype i = 0; i < pulito.size(); ++i) {
        if (const QChar c = CarattereVisibile(pulito.at(i)); c != pulito.at(i))
            pulito[i] = c;
    }
    return pulito;
}

std::int64_t Intero(const Valore& valore) {
    if (valore.tipo() == Valore::Tipo::Intero || !valore.numerico())
        return valore.intero();
    const double arrotondato = std::nearbyint(valore.numero());
    if (!std::isfinite(arrotondato) || std::fabs(arrotondato) >= 9.2e18)
        return 0;
    return static_cast<std::int64_t>(arrotondato);
}
