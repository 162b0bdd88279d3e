#include "archivi/Valore.h"

#include <QDate>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

using Cifre = Valore::Cifre;

constexpr int kScalaMassima = 28;
constexpr std::int64_t kTickGiorno = Valore::kTickGiorno;
constexpr std::int64_t kTickMillisecondo = 10'000;
// Days from 1/1/0001 to 30/12/1899, the day ordinary dates count from.
constexpr std::int64_t kGiorniAl1899 = 693'593;

Cifre potenzaDi10(int esponente) {
    Cifre potenza = 1;
    for (int i = 0; i < esponente; ++i)
        potenza *= 10;
    return potenza;
}

QString inCifre(Cifre n) {
    char testo[40];
    char* inizio = testo + sizeof testo;
    do {
        *--inizio = static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    return QString::fromLatin1(inizio, testo + sizeof testo - inizio);
}

// Also for doubles known not to be NaN, and for 128-bit digits.
template <typename T> std::strong_ordering ordine(T a, T b) {
    return a < b ? std::strong_ordering::less
                 : (a > b ? std::strong_ordering::greater : std::strong_ordering::equal);
}

} // namespace

Valore Valore::valuta(std::int64_t diecimillesimi) {
    return Valore(Dato(Valuta{diecimillesimi}));
}
Valore Valore::dataOra(double giorniDal1899) {
    return Valore(Dato(DataOra{giorniDal1899}));
}
Valore Valore::binario(const QByteArray& byte) {
    return Valore(Dato(byte));
}
Valore Valore::decimale(bool negativo, Cifre cifre, int scala) {
    return Valore(
        Dato(Decimale{negativo && cifre != 0, cifre, std::clamp(scala, 0, kScalaMassima)}));
}
Valore Valore::dataOraEstesa(std::int64_t tick) {
    return Valore(Dato(DataOraEstesa{tick}));
}

Valore::Tipo Valore::tipo() const {
    return static_cast<Tipo>(dato_.index());
}

bool Valore::numerico() const {
    switch (tipo()) {
    case Tipo::Intero:
    case Tipo::Reale:
    case Tipo::Valuta:
    case Tipo::DataOra:
    case Tipo::Decimale:
    case Tipo::DataOraEstesa:
        return true;
    default:
        return false;
    }
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
    case Tipo::Decimale: {
        // Through the exact text, so that the double is the nearest one.
        const QByteArray testo = decimale().toLatin1();
        double valore = 0;
        std::from_chars(testo.constData(), testo.constData() + testo.size(), valore);
        return valore;
    }
    case Tipo::DataOraEstesa: {
        // As an ordinary date holds it: before 30/12/1899 the whole days
        // count back and the time of day is added as a positive fraction.
        const std::int64_t tick = std::get<DataOraEstesa>(dato_).tick - kGiorniAl1899 * kTickGiorno;
        std::int64_t giorno = tick / kTickGiorno;
        std::int64_t resto = tick % kTickGiorno;
        if (resto < 0) {
            resto += kTickGiorno;
            --giorno;
        }
        const double frazione = static_cast<double>(resto) / static_cast<double>(kTickGiorno);
        return giorno >= 0 ? static_cast<double>(giorno) + frazione
                           : static_cast<double>(giorno) - frazione;
    }
    default:
        return 0.0;
    }
}

std::int64_t Valore::intero() const {
    if (const auto* intero = std::get_if<std::int64_t>(&dato_))
        return *intero;
    if (const auto* d = std::get_if<Decimale>(&dato_)) {
        const Cifre parte = d->cifre / potenzaDi10(d->scala);
        if (parte > static_cast<Cifre>(std::numeric_limits<std::int64_t>::max()))
            return 0;
        const auto n = static_cast<std::int64_t>(parte);
        return d->negativo ? -n : n;
    }
    const double n = numero();
    if (!std::isfinite(n) || std::fabs(n) >= 9.2e18)
        return 0;
    return static_cast<std::int64_t>(n);
}

QByteArray Valore::byte() const {
    const QByteArray* byte = std::get_if<QByteArray>(&dato_);
    return byte ? *byte : QByteArray();
}

QString Valore::decimale() const {
    const auto* d = std::get_if<Decimale>(&dato_);
    if (!d)
        return {};
    const Cifre potenza = potenzaDi10(d->scala);
    QString testo = (d->negativo ? QStringLiteral("-") : QString()) + inCifre(d->cifre / potenza);
    if (d->scala > 0)
        testo += QLatin1Char('.') +
                 inCifre(d->cifre % potenza).rightJustified(d->scala, QLatin1Char('0'));
    return testo;
}

QString Valore::dataOraEstesa() const {
    const auto* d = std::get_if<DataOraEstesa>(&dato_);
    if (!d)
        return {};
    const QDate giorno = QDate(1, 1, 1).addDays(d->tick / kTickGiorno);
    const std::int64_t tick = d->tick % kTickGiorno;
    const std::int64_t secondi = tick / 10'000'000;
    return QString::asprintf(
        "%04d-%02d-%02d %02lld:%02lld:%02lld.%07lld", giorno.year(), giorno.month(), giorno.day(),
        static_cast<long long>(secondi / 3600), static_cast<long long>(secondi / 60 % 60),
        static_cast<long long>(secondi % 60), static_cast<long long>(tick % 10'000'000));
}

std::optional<Valore::Decimale> Valore::comeDecimale() const {
    switch (tipo()) {
    case Tipo::Decimale:
        return std::get<Decimale>(dato_);
    case Tipo::Intero:
    case Tipo::Valuta: {
        const bool valuta = tipo() == Tipo::Valuta;
        const std::int64_t n =
            valuta ? std::get<Valuta>(dato_).diecimillesimi : std::get<std::int64_t>(dato_);
        // The magnitude without overflowing on the most negative number.
        const Cifre modulo = n < 0 ? static_cast<Cifre>(-(n + 1)) + 1 : static_cast<Cifre>(n);
        return Decimale{n < 0, modulo, valuta ? 4 : 0};
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::int64_t> Valore::comeTick() const {
    if (const auto* d = std::get_if<DataOraEstesa>(&dato_))
        return d->tick;
    const auto* d = std::get_if<DataOra>(&dato_);
    if (!d || !std::isfinite(d->giorni))
        return std::nullopt;
    const double giorno = d->giorni >= 0 ? std::floor(d->giorni) : std::trunc(d->giorni);
    if (giorno < -kGiorniAl1899 || giorno >= Valore::kGiorniEstesi - kGiorniAl1899)
        return std::nullopt;
    // A double keeps the time of day to a few microseconds: taken to the
    // nearest millisecond, 01:45 stays 01:45 and does not become a tick less.
    const double millisecondi = std::fabs(d->giorni - giorno) * 86'400'000.0;
    return (kGiorniAl1899 + static_cast<std::int64_t>(giorno)) * kTickGiorno +
           std::llround(millisecondi) * kTickMillisecondo;
}

std::optional<std::strong_ordering> Valore::confronta(const Valore& altro) const {
    const QString* testo = std::get_if<QString>(&dato_);
    const QString* altroTesto = std::get_if<QString>(&altro.dato_);
    if (testo && altroTesto)
        return QString::compare(*testo, *altroTesto, Qt::CaseSensitive) <=> 0;
    if (!numerico() || !altro.numerico())
        return std::nullopt;
    if (tipo() == Tipo::Intero && altro.tipo() == Tipo::Intero)
        return std::get<std::int64_t>(dato_) <=> std::get<std::int64_t>(altro.dato_);
    if (const auto a = comeDecimale(), b = altro.comeDecimale(); a && b) {
        if (a->negativo != b->negativo)
            return a->negativo ? std::strong_ordering::less : std::strong_ordering::greater;
        // Integer parts first, then the fractions brought to one scale (both
        // below 10^28, so the product fits).
        const Cifre pa = potenzaDi10(a->scala);
        const Cifre pb = potenzaDi10(b->scala);
        std::strong_ordering moduli = ordine(a->cifre / pa, b->cifre / pb);
        if (moduli == 0) {
            const int scala = std::max(a->scala, b->scala);
            moduli = ordine(a->cifre % pa * potenzaDi10(scala - a->scala),
                            b->cifre % pb * potenzaDi10(scala - b->scala));
        }
        return a->negativo ? 0 <=> moduli : moduli;
    }
    if (tipo() == Tipo::DataOraEstesa || altro.tipo() == Tipo::DataOraEstesa) {
        if (const auto a = comeTick(), b = altro.comeTick(); a && b)
            return *a <=> *b;
    }
    const double a = numero();
    const double b = altro.numero();
    if (std::isnan(a) || std::isnan(b))
        return std::nullopt;
    return ordine(a, b);
}
