#pragma once

#include <QByteArray>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <variant>

// A field's value as a record set gives it: null, text or a number. Numbers
// keep the exact form they were stored in (whole numbers, currency in
// ten-thousandths, floating point, dates as days since 30/12/1899, decimals
// as a 128-bit integer with its scale, extended dates in 100 ns ticks) so
// that nothing is lost between the file and the program.
class Valore {
  public:
    enum class Tipo {
        Nullo,
        Testo,
        Intero,
        Reale,
        Valuta,
        DataOra,
        Binario,
        Decimale,
        DataOraEstesa
    };

    // The digits of a decimal, without sign: Jet keeps up to 28 of them in a
    // 128-bit integer.
    __extension__ using Cifre = unsigned __int128;

    Valore() = default;
    Valore(const QString& testo) : dato_(testo) {}
    Valore(const char16_t* testo) : dato_(QString::fromUtf16(testo)) {}
    Valore(int intero) : dato_(static_cast<std::int64_t>(intero)) {}
    Valore(std::int64_t intero) : dato_(intero) {}
    Valore(double reale) : dato_(reale) {}

    static Valore valuta(std::int64_t diecimillesimi);
    static Valore dataOra(double giorniDal1899);
    static Valore binario(const QByteArray& byte);
    // `cifre` / 10^scala, negative when `negativo`; a scale above 28 is cut to 28.
    static Valore decimale(bool negativo, Cifre cifre, int scala);
    // A date and time counted in ticks of 100 ns from 1/1/0001 00:00
    // (proleptic Gregorian calendar), up to the end of 31/12/9999.
    static Valore dataOraEstesa(std::int64_t tick);
    // Ticks in a day; days from 1/1/0001 to the end of 31/12/9999.
    static constexpr std::int64_t kTickGiorno = 864'000'000'000;
    static constexpr std::int64_t kGiorniEstesi = 3'652'059;

    Tipo tipo() const;
    bool nullo() const { return tipo() == Tipo::Nullo; }
    bool numerico() const;

    // Text of a text field; for other kinds an empty text.
    QString testo() const;
    // The number as a double (currency in units, dates in days, an extended
    // date as the days an ordinary date would hold); 0 when not numeric.
    double numero() const;
    // Whole-number value, truncated; 0 when not numeric or out of range.
    std::int64_t intero() const;
    QByteArray byte() const;
    // A decimal written out exactly: "-" for negatives, the integer digits,
    // then "." and as many digits as its scale ("50.325000"); empty for
    // other kinds.
    QString decimale() const;
    // An extended date written out whole, "yyyy-mm-dd hh:mm:ss.fffffff";
    // empty for other kinds.
    QString dataOraEstesa() const;

    // Jet comparison: texts by character code, numbers by value. Whole
    // numbers, currency and decimals compare exactly with each other;
    // extended dates with dates to the millisecond, the most a date's double
    // holds; other numbers through doubles. Empty when
    // either side is null, a number is NaN or the kinds cannot be compared:
    // such a comparison is false whatever the operator. Searches check the
    // kinds of their fields first (Tabella::verificaCriterio), so that a
    // comparison of kinds Jet refuses is an error there, not a false.
    std::optional<std::strong_ordering> confronta(const Valore& altro) const;

    bool operator==(const Valore& altro) const = default;

  private:
    struct Valuta {
        std::int64_t diecimillesimi;
        bool operator==(const Valuta&) const = default;
    };
    struct DataOra {
        double giorni;
        bool operator==(const DataOra&) const = default;
    };
    struct Decimale {
        bool negativo;
        Cifre cifre;
        int scala;
        bool operator==(const Decimale&) const = default;
    };
    struct DataOraEstesa {
        std::int64_t tick;
        bool operator==(const DataOraEstesa&) const = default;
    };
    using Dato = std::variant<std::monostate, QString, std::int64_t, double, Valuta, DataOra,
                              QByteArray, Decimale, DataOraEstesa>;
    explicit Valore(Dato dato) : dato_(std::move(dato)) {}

    // The value as an exact decimal, for whole numbers, currency and decimals.
    std::optional<Decimale> comeDecimale() const;
    // The value in 100 ns ticks from 1/1/0001, for extended dates, and for
    // dates to the millisecond.
    std::optional<std::int64_t> comeTick() const;

    Dato dato_;
};
