#include "archivi/Valore.h"

#include <cmath>

Valore Valore::valuta(std::int64_t diecimillesimi) {
    return Valore(Dato(Valuta{diecimillesimi}));
}
Valore Valore::dataOra(double giorniDal1899) {
    return Valore(Dato(DataOra{giorniDal1899}));
}
Valore Valore::binario(const QByteArray& byte) {
    return Valore(Dato(byte));
}

Valore::Tipo Valore::tipo() const {
    return static_cast<Tipo>(dato_.index());
}

bool Valore::numerico() const {
    const Tipo t = tipo();
    return t == Tipo::Intero || t == Tipo::Reale || t == Tipo::Valuta || t == Tipo::DataOra;
}

QString Valore::testo() const {
    const QString* testo = std::get_if<QString>(&dato_);
    return testo ? *testo : QString();
}

double Valore::numero() const {
    switch (tipo()) {
    case Tipo::Intero:
        return static_cast<double>(std::get<std::int64_t>(dato_));
    case Tipo::Reale:
        return std::get<double>(dato_);
    case Tipo::Valuta:
        return static_cast<double>(std::get<Valuta>(dato_).diecimillesimi) / 10000.0;
    case Tipo::DataOra:
        return std::get<DataOra>(dato_).giorni;
    default:
        return 0.0;
    }
}

std::int64_t Valore::intero() const {
    if (const auto* intero = std::get_if<std::int64_t>(&dato_))
        return *intero;
    const double n = numero();
    if (!std::isfinite(n) || std::fabs(n) >= 9.2e18)
        return 0;
    return static_cast<std::int64_t>(n);
}

QByteArray Valore::byte() const {
    const QByteArray* byte = std::get_if<QByteArray>(&dato_);
    return byte ? *byte : QByteArray();
}

std::optional<std::strong_ordering> Valore::confronta(const Valore& altro) const {
    const QString* testo = std::get_if<QString>(&dato_);
    const QString* altroTesto = std::get_if<QString>(&altro.dato_);
    if (testo && altroTesto)
        return QString::compare(*testo, *altroTesto, Qt::CaseSensitive) <=> 0;
    if (numerico() && altro.numerico()) {
        if (tipo() == Tipo::Intero && altro.tipo() == Tipo::Intero)
            return std::get<std::int64_t>(dato_) <=> std::get<std::int64_t>(altro.dato_);
        const double a = numero();
        const double b = altro.numero();
        if (std::isnan(a) || std::isnan(b))
            return std::nullopt;
        return a < b ? std::strong_ordering::less
                     : (a > b ? std::strong_ordering::greater : std::strong_ordering::equal);
    }
    return std::nullopt;
}
