#include "prove/menu/XdgOpenDiProva.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QUrl>

namespace {
const QString kElenco = QStringLiteral("aperti.txt");
} // namespace

XdgOpenDiProva::XdgOpenDiProva(int esito) : path_(qgetenv("PATH")) {
    QFile comando(cartella_.filePath(QStringLiteral("xdg-open")));
    if (!comando.open(QIODevice::WriteOnly))
        qFatal("cannot write the stand-in xdg-open");
    comando.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + cartella_.filePath(kElenco).toUtf8() +
                  "'\nexit " + QByteArray::number(esito) + '\n');
    comando.close();
    comando.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", cartella_.path().toUtf8() + ':' + path_);
}

XdgOpenDiProva::~XdgOpenDiProva() {
    qputenv("PATH", path_);
}

QStringList XdgOpenDiProva::aperti(int almeno, int secondi) const {
    const QDeadlineTimer scadenza(secondi * 1000);
    QStringList percorsi;
    for (;;) {
        percorsi.clear();
        QFile elenco(cartella_.filePath(kElenco));
        if (elenco.open(QIODevice::ReadOnly)) {
            for (const QByteArray& riga : elenco.readAll().split('\n')) {
                if (riga.isEmpty())
                    continue;
                const QUrl indirizzo(QString::fromUtf8(riga));
                percorsi << (indirizzo.isLocalFile() ? indirizzo.toLocalFile()
                                                     : QString::fromUtf8(riga));
            }
        }
        if (percorsi.size() >= almeno || scadenza.hasExpired())
            return percorsi;
        QThread::msleep(50);
    }
}
