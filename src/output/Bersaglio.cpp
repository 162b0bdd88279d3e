#include "output/Bersaglio.h"

#include "output/CodaCups.h"
#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"
#include "routines/TrovaFile.h"

#include <QFile>

#include <cups/cups.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fallito(const QString& azione, const QString& bersaglio,
                          const QString& destinazione, int errore) {
    throw Errore(GenereErrore::Uscita,
                 QStringLiteral("Stampa su \"%1\" non eseguita: impossibile %2 \"%3\" (%4).")
                     .arg(destinazione, azione, bersaglio, MotivoDiSistema(errore)));
}

// Written with the system calls themselves, so that a device's refusal
// (a printer switched off, a full disk) reaches the user with its reason.
void ScriviFile(const QString& percorso, const QString& bersaglio, const QByteArray& dati,
                const QString& destinazione) {
    const int fd = ::open(QFile::encodeName(percorso).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        Fallito(QStringLiteral("aprire in scrittura"), bersaglio, destinazione, errno);
    qsizetype scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n =
            ::write(fd, dati.constData() + scritti, static_cast<size_t>(dati.size() - scritti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int errore = n < 0 ? errno : EIO;
            ::close(fd);
            Fallito(QStringLiteral("scrivere su"), bersaglio, destinazione, errore);
        }
        scritti += n;
    }
    if (::close(fd) != 0)
        Fallito(QStringLiteral("completare la scrittura su"), bersaglio, destinazione, errno);
}

} // namespace

void InviaABersaglio(const QString& bersaglio, const QByteArray& dati,
                     const QString& destinazione) {
    if (bersaglio.trimmed().isEmpty())
        throw Errore(GenereErrore::Uscita,
                     QStringLiteral("Stampa su \"%1\" non eseguita: la destinazione non indica "
                                    "né una stampante né un file su cui stampare.")
                         .arg(destinazione));
    const bool nomeSemplice = !bersaglio.contains(u'/');
    if (nomeSemplice && EsisteCodaCups(bersaglio)) {
        InviaLavoroCups(bersaglio, destinazione, CUPS_FORMAT_RAW, dati, {}, destinazione);
        return;
    }
    const QString percorso = nomeSemplice ? TrovaFile(bersaglio).percorso() : bersaglio;
    ScriviFile(percorso, bersaglio, dati, destinazione);
}
