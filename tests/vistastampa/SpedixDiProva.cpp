#include "prove/vistastampa/SpedixDiProva.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

SpedixDiProva::SpedixDiProva(const CartellaDiProva& cartella, bool conProgramma)
    : cartella_(cartella), pathPrecedente_(qgetenv("PATH")) {
    QDir().mkpath(cartella.percorso("bin"));
    if (conProgramma) {
        const QString programma = cartella.percorso("bin/Spedix.exe");
        cartella.scrivi("bin/Spedix.exe", "#!/bin/sh\necho \"$PWD $#\" > avviato.tmp\n"
                                          "mv avviato.tmp avviato\n");
        QFile::setPermissions(programma, QFile::permissions(programma) | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(cartella.percorso("bin")) + ':' + pathPrecedente_);
}

SpedixDiProva::~SpedixDiProva() {
    qputenv("PATH", pathPrecedente_);
}

bool SpedixDiProva::Avviato() const {
    return QFile::exists(cartella_.percorso("avviato"));
}

QByteArray SpedixDiProva::AttendiAvvio() const {
    // Generous: a program started on a busy machine may take a while.
    QDeadlineTimer scadenza(60000);
    while (!Avviato() && !scadenza.hasExpired())
        QThread::msleep(20);
    return cartella_.leggi("avviato").trimmed();
}
