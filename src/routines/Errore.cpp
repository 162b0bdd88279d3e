#include "routines/Errore.h"

Errore::Errore(GenereErrore genere, const QString& riga) : Errore(genere, QStringList{riga}) {}

Errore::Errore(GenereErrore genere, const QStringList& righe)
    : std::runtime_error(righe.join(u'\n').toStdString()), genere_(genere), righe_(righe) {}

QString Errore::messaggio() const {
    return righe_.join(u'\n');
}
