#include "prove/util/CartellaDiProva.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

CartellaDiProva::CartellaDiProva() : precedente_(QDir::currentPath()) {
    QDir::setCurrent(cartella_.path());
}

CartellaDiProva::~CartellaDiProva() {
    QDir::setCurrent(precedente_);
}

QString CartellaDiProva::percorso(const QString& nome) const {
    return nome.isEmpty() ? cartella_.path() : cartella_.filePath(nome);
}

void CartellaDiProva::scrivi(const QString& nome, const QByteArray& contenuto) const {
    ScriviARiposo(percorso(nome), contenuto);
}

void ScriviARiposo(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contenuto) != contenuto.size() || !file.flush() ||
        !file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                          QFileDevice::FileModificationTime))
        qFatal("cannot write test file %s", qPrintable(file.fileName()));
}

QByteArray CartellaDiProva::leggi(const QString& nome) const {
    QFile file(percorso(nome));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CartellaCondivisa() {
    const QString cartella = qEnvironmentVariable("TS_SHARED_DIR");
    return (!cartella.isEmpty() && QDir(cartella).exists()) ? QDir(cartella).canonicalPath()
                                                            : QString();
}
