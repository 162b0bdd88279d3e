#pragma once

#include <QByteArray>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <variant>

// A field's value as a record set gives it: null, text or a number. Numbers
// keep the exact form they were stored in (whole numbers, currency in
// ten-thousandths, floating point, dates as days since 30/12/1899) so that
// nothing is lost between the file and the program.
class Valore {
  public:
    enum class Tipo { Nullo, Testo, Intero, Reale, Valuta, DataOra, Binario };

    Valore() = default;
    Valore(const QString& testo) : dato_(testo) {}
    Valore(const char16_t* testo) : dato_(QString::fromUtf16(testo)) {}
    Valore(int intero) : dato_(static_cast<std::int64_t>(intero)) {}
    Valore(std::int64_t intero) : dato_(intero) {}
    Valore(double reale) : dato_(reale) {}

    static Valore valuta(std::int64_t diecimillesimi);
    static Valore dataOra(double giorniDal1899);
    static Valore binario(const QByteArray& byte);

    Tipo tipo() const;
    bool nullo() const { return tipo() == Tipo::Nullo; }
    bool numerico() const;

    // Text of a text field; for other kinds an empty text.
    QString testo() const;
    // The number as a double (currency in units, dates in days); 0 when not numeric.
    double numero() const;
    // Whole-number value, truncated; 0 when not numeric.
    std::int64_t intero() const;
    QByteArray byte() const;

    // Jet comparison: texts by character code, numbers by value. Empty when
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
    using Dato =
        std::variant<std::monostate, QString, std::int64_t, double, Valuta, DataOra, QByteArray>;
    explicit Valore(Dato dato) : dato_(std::move(dato)) {}
    Dato dato_;
};
