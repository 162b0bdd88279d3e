#include "print/NomiFile.h"

#include "routines/TrovaFile.h"

#include <QDir>
#include <QFileInfo>

QString NomeFile(FileDiStampa file, const PostoDiLavoro& posto, const QDateTime& momento) {
    switch (file) {
    case FileDiStampa::Stampa:
        return QStringLiteral("FD") + posto.testo();
    case FileDiStampa::CopiaDocumento:
        return QStringLiteral("doc/fd%1%2.doc")
            .arg(posto.testo(), momento.toString(QStringLiteral("yyyyMMddHHmm")));
    case FileDiStampa::FoglioDiCalcolo:
        return QStringLiteral("fd%1.csv").arg(posto.testo());
    case FileDiStampa::Carattere:
        return QStringLiteral("FontStp.txt");
    case FileDiStampa::Separatori:
        return QStringLiteral("SeparatoreXLS.txt");
    }
    return {};
}

QString PercorsoFile(FileDiStampa file, const PostoDiLavoro& posto, const QDateTime& momento) {
    const QString nome = NomeFile(file, posto, momento);
    if (file == FileDiStampa::CopiaDocumento)
        return QDir::current().filePath(nome);
    return TrovaFile(nome).percorso();
}

bool EsisteFile(FileDiStampa file, const PostoDiLavoro& posto, const QDateTime& momento) {
    return QFileInfo(PercorsoFile(file, posto, momento)).isFile();
}
