#include "routines/ScriviMessaggio.h"

void ScriviMessaggio(QTextStream& flusso, const QStringList& righe) {
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const QString& riga = righe[i];
        const bool continua = i + 1 < righe.size() && riga.endsWith(u' ');
        flusso << (continua ? riga.chopped(1) : riga) << '\n';
    }
    flusso.flush();
}
