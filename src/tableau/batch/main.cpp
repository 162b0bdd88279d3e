// tableau-settimanale-batch: the weekly tableau without a window.
#include "tableau/batch/EseguiBatch.h"
#include "tableau/batch/UscitaBatch.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char** argv) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    // Printing and PDF files set text in fonts, which needs a GUI
    // application; the command never shows a window, so it needs no display.
    std::unique_ptr<QCoreApplication> applicazione;
    if (UsciteConCaratteri(argomenti)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        applicazione = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        applicazione = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    uscita.setEncoding(QStringConverter::Utf8);
    errori.setEncoding(QStringConverter::Utf8);
    return EseguiBatch(QCoreApplication::arguments().mid(1), uscita, errori);
}
