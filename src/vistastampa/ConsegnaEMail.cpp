#include "vistastampa/ConsegnaEMail.h"

#include "routines/ConfermaSalvataggio.h"
#include "vistastampa/ComponiBlocco.h"
#include "vistastampa/DescriviErrore.h"

#include "routines/TestoAnsi.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>

namespace {

const QByteArray kCrLfPosta("\r\n");

} // namespace

QString NomeFileEMail(const PostoDiLavoro& posto) {
    return QStringLiteral("e-mail") + posto.testo() + QStringLiteral(".txt");
}

QByteArray ContenutoEMail(const QString& testoVista) {
    QByteArray contenuto = "OGGETTO" + kCrLfPosta;
    for (const QString& riga : RigheDelTesto(testoVista))
        contenuto += InAnsi(riga) + kCrLfPosta;
    return contenuto + kCrLfPosta;
}

std::optional<QString> ConsegnaEMail(const PostoDiLavoro& posto, const QString& testoVista) {
    const QString nome = NomeFileEMail(posto);
    QSaveFile file(QDir::current().filePath(nome));
    if (!file.open(QIODevice::WriteOnly) || file.write(ContenutoEMail(testoVista)) < 0 ||
        !ConfermaSalvataggio(file))
        return TestoErroreFile(QStringLiteral("Impossibile scrivere il messaggio di posta"), file,
                               errno);

    const QString scritto =
        QStringLiteral("Il testo è stato scritto nel file \"%1\", che resta nella cartella.")
            .arg(nome);
    const QString programma = QStandardPaths::findExecutable(kProgrammaEMail);
    if (programma.isEmpty()) {
        return QStringLiteral("Il programma di posta \"%1\" non si trova tra i programmi del "
                              "sistema (PATH).\r\n%2")
            .arg(kProgrammaEMail, scritto);
    }
    if (!QProcess::startDetached(programma, {}, QDir::currentPath())) {
        return QStringLiteral("Impossibile avviare il programma di posta \"%1\".\r\n%2")
            .arg(programma, scritto);
    }
    return std::nullopt;
}
