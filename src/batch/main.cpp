// tableau-settimanale-batch: the weekly tableau without a window.
//
// Loading Qt's GUI libraries takes most of the processor time of a run that
// only writes the print file. So this program does without them: a command
// line that asks for an output setting text in fonts (a PDF file, the chart,
// a print) is handed, as it is, to tableau-settimanale-batch-caratteri.
#include "batch/AvviaConCaratteri.h"
#include "batch/EseguiBatch.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    if (UsciteConCaratteri(argomenti))
        return AvviaConCaratteri(argv);
    const QCoreApplication applicazione(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    uscita.setEncoding(QStringConverter::Utf8);
    errori.setEncoding(QStringConverter::Utf8);
    return EseguiBatch(QCoreApplication::arguments().mid(1), uscita, errori, {});
}
