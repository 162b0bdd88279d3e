#include "tableau/Settimana.h"

#include "routines/Errore.h"
#include "routines/SetRoutine.h"
#include "tableau/ControlloRichiesta.h"

Settimana Settimana::daTesto(const QString& data) {
    QString testo = data;
    if (!ControllaData(testo))
        throw Errore(GenereErrore::Richiesta, TestoRifiuto(Rifiuto::DataErrata));
    const QDate primo(static_cast<int>(LeggiNumero(testo.mid(6, 4))),
                      static_cast<int>(LeggiNumero(testo.mid(3, 2))),
                      static_cast<int>(LeggiNumero(testo.mid(0, 2))));
    if (!primo.isValid())
        throw Errore(GenereErrore::Richiesta,
                     QStringLiteral("La data %1 non esiste nel calendario.").arg(testo));
    if (primo.addDays(6).year() > 9999)
        throw Errore(GenereErrore::Richiesta,
                     QStringLiteral("La settimana dal %1 supera l'anno 9999.").arg(testo));
    Settimana settimana;
    settimana.primo_ = primo;
    settimana.testo_ = testo;
    for (std::size_t i = 0; i < settimana.date_.size(); ++i)
        settimana.date_[i] = primo.addDays(static_cast<qint64>(i)).toString(u"yyyyMMdd");
    return settimana;
}

QString Settimana::dataMostrata(int d) const {
    return primo_.addDays(d - 1).toString(QStringLiteral("dd/MM/yyyy"));
}

int Settimana::giornoSettimana() const {
    return primo_.dayOfWeek() - 1;
}
