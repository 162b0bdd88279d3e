#include "mdbwriter/DataJet.h"

double GiorniJet(const QDateTime& momento) {
    const qint64 giorni = QDate(1899, 12, 30).daysTo(momento.date());
    const double frazione = momento.time().msecsSinceStartOfDay() / 86400000.0;
    return giorni >= 0 ? static_cast<double>(giorni) + frazione
                       : static_cast<double>(giorni) - frazione;
}

Valore ValoreData(const QDate& giorno, const QTime& ora) {
    return Valore::dataOra(GiorniJet(QDateTime(giorno, ora)));
}
