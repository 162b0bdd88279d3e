// tableau-settimanale-batch: the weekly tableau without a window.
#include "tableau/batch/EseguiBatch.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    uscita.setEncoding(QStringConverter::Utf8);
    errori.setEncoding(QStringConverter::Utf8);
    return EseguiBatch(applicazione.arguments().mid(1), uscita, errori);
}
