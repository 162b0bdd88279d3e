#include "print/FileSostitutivo.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNomiTentati = 100;
// A share's client that lost its connection on a failed request takes a
// moment to open another: the removal of the temporary file is tried again.
constexpr int kRimozioniTentate = 5;
constexpr std::chrono::milliseconds kPausaFraRimozioni{200};
constexpr mode_t kPermessi = 07777;

QByteArray nomeDiSistema(const QString& percorso) {
    return QFile::encodeName(percorso);
}

QString suffissoACaso() {
    static constexpr char kCaratteri[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffisso(QStringLiteral("."));
    for (int i = 0; i < 6; ++i)
        suffisso += QLatin1Char(kCaratteri[QRandomGenerator::global()->bounded(
            static_cast<int>(sizeof kCaratteri - 1))]);
    return suffisso;
}

} // namespace

FileSostitutivo::FileSostitutivo(QString percorso) : percorso_(std::move(percorso)) {}

FileSostitutivo::~FileSostitutivo() {
    scarta();
}

bool FileSostitutivo::fallito() {
    codiceErrore_ = errno;
    scarta();
    return false;
}

void FileSostitutivo::scarta() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (provvisorio_.isEmpty())
        return;
    const QByteArray nome = nomeDiSistema(provvisorio_);
    for (int tentativo = 1;
         ::unlink(nome.constData()) != 0 && errno != ENOENT && tentativo < kRimozioniTentate;
         ++tentativo)
        std::this_thread::sleep_for(kPausaFraRimozioni);
    provvisorio_.clear();
}

bool FileSostitutivo::apri() {
    struct stat precedente {};
    const bool esiste = ::stat(nomeDiSistema(percorso_).constData(), &precedente) == 0;
    // Nothing is written that could not take the place of what is there.
    if (esiste && S_ISDIR(precedente.st_mode)) {
        errno = EISDIR;
        return fallito();
    }
    const mode_t permessi = esiste ? precedente.st_mode & kPermessi : 0666;
    for (int tentativo = 0; fd_ < 0 && tentativo < kNomiTentati; ++tentativo) {
        const QString nome = percorso_ + suffissoACaso();
        fd_ = ::open(nomeDiSistema(nome).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     permessi);
        if (fd_ >= 0)
            provvisorio_ = nome;
        else if (errno != EEXIST)
            return fallito();
    }
    if (fd_ < 0)
        return fallito();
    // The mask of the process, or a share, may have given other permissions;
    // the previous file's are copied where the file system lets them be.
    struct stat nuovo {};
    if (esiste && ::fstat(fd_, &nuovo) == 0 && (nuovo.st_mode & kPermessi) != permessi)
        (void)::fchmod(fd_, permessi);
    return true;
}

bool FileSostitutivo::scrivi(const QByteArray& byte) {
    for (qsizetype scritti = 0; scritti < byte.size();) {
        const ssize_t n = ::write(fd_, byte.constData() + scritti,
                                  static_cast<std::size_t>(byte.size() - scritti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO; // a write that takes nothing and says nothing
            return fallito();
        }
        scritti += n;
    }
    return true;
}

bool FileSostitutivo::conferma() {
    if (::fsync(fd_) != 0)
        return fallito();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(nomeDiSistema(provvisorio_).constData(),
                                     nomeDiSistema(percorso_).constData()) != 0)
        return fallito();
    provvisorio_.clear();
    return true;
}
