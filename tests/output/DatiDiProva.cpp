#include "prove/output/DatiDiProva.h"

#include <QFile>

QByteArray TableauDiProva() {
    QFile file(qEnvironmentVariable("TS_SOURCE_DIR") + QStringLiteral("/tests/output/dati/FD7"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test print file %s", qPrintable(file.fileName()));
    return file.readAll();
}

QStringList RigheNumerate(int quante, const QString& forma, int cifre) {
    QStringList righe;
    for (int i = 1; i <= quante; ++i)
        righe << forma.arg(i, cifre, 10, QChar(u'0'));
    return righe;
}
