#include "prove/output/ServerCups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Whether the file ends as a whole PDF does: its last bytes hold "%%EOF".
bool FinePdf(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 coda = 32;
    file.seek(std::max<qint64>(0, file.size() - coda));
    return file.read(coda).contains("%%EOF");
}

bool Lancia(const QString& programma, const QStringList& argomenti, QString* uscita = nullptr) {
    QProcess processo;
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.start(programma, argomenti);
    const bool finito = processo.waitForFinished(30000);
    if (uscita)
        *uscita = QString::fromLocal8Bit(processo.readAll());
    return finito && processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
}

bool ServerAttivo() {
    QString uscita;
    return !qEnvironmentVariableIsEmpty("CUPS_SERVER") &&
           Lancia(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &uscita) &&
           uscita.contains(QStringLiteral("is running"));
}

QString CartellaServer() {
    return qEnvironmentVariable("TS_CUPS_DIR");
}

} // namespace

bool ServerCupsPronto(QString& motivo) {
    if (ServerAttivo())
        return true;
    QFile perche(QDir(CartellaServer()).filePath(QStringLiteral("motivo")));
    motivo = perche.open(QIODevice::ReadOnly)
                 ? QString::fromLocal8Bit(perche.readAll()).trimmed()
                 : QStringLiteral("il server CUPS delle prove non è in funzione (lo avvia la "
                                  "prova cups_avvia con scripts/cups-privato)");
    return false;
}

CodaDiProva::CodaDiProva(const QString& nome, const QString& uri) : nome_(nome) {
    creata_ = Lancia(QStringLiteral("lpadmin"),
                     {QStringLiteral("-p"), nome, QStringLiteral("-E"), QStringLiteral("-v"), uri});
}

CodaDiProva::~CodaDiProva() {
    if (creata_)
        Lancia(QStringLiteral("lpadmin"), {QStringLiteral("-x"), nome_});
}

bool CodaDiProva::rifiuta() const {
    return Lancia(QStringLiteral("cupsreject"), {nome_});
}

bool CodaDiProva::disattiva() const {
    return Lancia(QStringLiteral("cupsdisable"), {nome_});
}

PortaDiStampa::PortaDiStampa() {
    ascolto_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    if (ascolto_ < 0 ||
        ::bind(ascolto_, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) != 0 ||
        ::listen(ascolto_, 1) != 0 ||
        ::getsockname(ascolto_, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza) != 0)
        return;
    porta_ = ntohs(indirizzo.sin_port);
}

PortaDiStampa::~PortaDiStampa() {
    if (ascolto_ >= 0)
        ::close(ascolto_);
}

QByteArray PortaDiStampa::ricevuti(int secondi) {
    const QDeadlineTimer scadenza(secondi * 1000);
    pollfd attesa{ascolto_, POLLIN, 0};
    if (porta_ == 0 || ::poll(&attesa, 1, static_cast<int>(scadenza.remainingTime())) <= 0)
        return {};
    const int connessione = ::accept4(ascolto_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connessione < 0)
        return {};
    QByteArray dati;
    char blocco[4096];
    for (;;) {
        pollfd lettura{connessione, POLLIN, 0};
        if (::poll(&lettura, 1, static_cast<int>(scadenza.remainingTime())) <= 0)
            break;
        const ssize_t letti = ::read(connessione, blocco, sizeof blocco);
        if (letti <= 0)
            break;
        dati.append(blocco, letti);
    }
    ::close(connessione);
    return dati;
}

QString CartellaCupsPdf() {
    return QDir(CartellaServer()).filePath(QStringLiteral("pdf"));
}

QString AttendiPdf(const QString& cartella, const QString& titolo, int secondi) {
    const QDeadlineTimer scadenza(secondi * 1000);
    do {
        const QStringList trovati =
            QDir(cartella).entryList({QStringLiteral("*%1*.pdf").arg(titolo)}, QDir::Files);
        if (!trovati.isEmpty()) {
            // cups-pdf writes the file in place, and on a busy machine may
            // stop for a while half way: wait until it ends with the
            // trailer's end mark and stops growing.
            const QString percorso = QDir(cartella).filePath(trovati.first());
            qint64 prima = -1;
            while ((QFileInfo(percorso).size() != prima || !FinePdf(percorso)) &&
                   !scadenza.hasExpired()) {
                prima = QFileInfo(percorso).size();
                QThread::msleep(500);
            }
            return percorso;
        }
        QThread::msleep(250);
    } while (!scadenza.hasExpired());
    return {};
}
