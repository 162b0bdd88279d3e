#include "menu/ServiziDelDesktop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

namespace {
// On a desktop without an opening service of its own, xdg-open runs the
// program it finds in its place and ends only when that program ends. An
// opener still running after this long has found a program, and how it ends
// later says nothing about the opening.
constexpr qint64 kAttesaEsitoMs = 5000;
// Why xdg-open did not open a file; it ends with 3 when it finds no program
// for the file's type.
QString Motivo(QProcess::ExitStatus stato, int codice) {
    if (stato != QProcess::NormalExit)
        return QStringLiteral("xdg-open si è interrotto");
    if (codice == 3)
        return QStringLiteral("nessun programma adatto a questo tipo di file");
    return QStringLiteral("xdg-open è terminato con il codice %1").arg(codice);
}

} // namespace

void ApriConProgrammaAssociato(const QString& percorso, const SeNonAperto& nonAperto) {
    // The process goes with the program's end, which stops the opener only:
    // the program it started runs on. Its output is the program's own.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({QFileInfo(percorso).absoluteFilePath()});
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer trascorso;
    trascorso.start();
    QObject::connect(opener, &QProcess::errorOccurred,
                     [opener, nonAperto](QProcess::ProcessError e) {
                         if (e != QProcess::FailedToStart)
                             return;
                         nonAperto(QStringLiteral("il comando xdg-open non si avvia"));
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::finished,
                     [opener, nonAperto, trascorso](int codice, QProcess::ExitStatus stato) {
                         if ((stato != QProcess::NormalExit || codice != 0) &&
                             !trascorso.hasExpired(kAttesaEsitoMs))
                             nonAperto(Motivo(stato, codice));
                         opener->deleteLater();
                     });
    opener->start();
}

void AvvisoDiSistema(QWidget* sopra, const QString& testo, const QString& titolo) {
    QMessageBox::warning(sopra, titolo, testo, QMessageBox::Ok);
}
