#include "vistastampa/DescriviErrore.h"

#include "routines/MotivoDiSistema.h"

#include <QFileInfo>

QString TestoErroreFile(const QString& azione, const QFileDevice& file, int codiceErrore) {
    return QStringLiteral("%1 \"%2\" nella cartella %3:\r\n%4.")
        .arg(azione, QFileInfo(file.fileName()).fileName(),
             QFileInfo(file.fileName()).absolutePath(), MotivoErroreFile(file, codiceErrore));
}
