#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstddef>

// The seven days of the tableau, from its first day. Days are numbered
// 1 to 7; the databases keep dates as texts yyyymmdd, compared as text.
class Settimana {
  public:
    // From a start date gg/mm/aaaa (blanks around it are ignored).
    // An Errore of the request when the text is no such date or the day is not in the
    // calendar (29/02/2100), or the week would pass the year 9999.
    static Settimana daTesto(const QString& data);

    QString dataIniziale() const { return dataGiorno(1); }
    QString dataFinale() const { return dataGiorno(7); }
    // yyyymmdd of day d.
    const QString& dataGiorno(int d) const { return date_[static_cast<std::size_t>(d - 1)]; }
    // gg/mm/aaaa of day d, as the heading shows it.
    QString dataMostrata(int d) const;
    // 0 = Monday .. 6 = Sunday, the weekday of day 1.
    int giornoSettimana() const;
    // The start date as the title shows it.
    const QString& testo() const { return testo_; }

  private:
    QDate primo_;
    QString testo_;
    // Written out once: every record of the week is held against them.
    std::array<QString, 7> date_;
};
