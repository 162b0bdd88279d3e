// The suite's programs write the databases while this program reads them,
// without locks. Here another thread rewrites a file in place, page by page,
// between two valid states: every reading must give one state or the other,
// or say that the file is being changed, never a mix of the two and never a
// damaged file or a missing table.

#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/FileJet.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "routines/Errore.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr int kRighe = 3000;
constexpr qsizetype kPagina = 4096;

// The file in one of its states: every room's name starts with `lettera`.
QByteArray stato(char lettera) {
    ScrittoreMdb scrittore;
    TabellaMdb& t = scrittore.tabella(QStringLiteral("Camere"));
    t.colonna(QStringLiteral("NumeroCamera"), TipoJet::Testo, 10)
        .colonna(QStringLiteral("Nome"), TipoJet::Testo, 40);
    for (int i = 0; i < kRighe; ++i)
        t.riga({QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                QStringLiteral("%1 camera numero %2").arg(QLatin1Char(lettera)).arg(i, 5)});
    return scrittore.contenuto();
}

// Rewrites the file in place, one page at a time with a short pause between
// pages, going from one state to the other and back until stopped; between
// two rewrites it rests for `riposo`. The test may hold it between two
// rewrites, so that the file is at rest however slow the machine.
class RiscritturaInPosto {
  public:
    RiscritturaInPosto(const QString& percorso, std::vector<QByteArray> stati,
                       std::chrono::microseconds riposo)
        : fd_(::open(QFile::encodeName(percorso).constData(), O_WRONLY)), stati_(std::move(stati)),
          riposo_(riposo) {
        filo_ = std::thread([this] { riscrivi(); });
    }
    ~RiscritturaInPosto() { ferma(); }
    void ferma() {
        {
            const std::lock_guard blocco(mutex_);
            fine_ = true;
            trattenuta_ = false;
        }
        cambio_.notify_all();
        if (filo_.joinable())
            filo_.join();
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    bool aperto() const { return fd_ >= 0; }
    void attendiPrimaPagina() const {
        while (!iniziata_)
            std::this_thread::sleep_for(1ms);
    }
    // Returns once the writer has ended the rewrite it was making and waits;
    // false when it stopped instead (a failed write).
    bool trattieni() {
        std::unique_lock blocco(mutex_);
        trattenuta_ = true;
        cambio_.wait(blocco, [this] { return inAttesa_ || finita_; });
        return inAttesa_;
    }
    void lascia() {
        {
            const std::lock_guard blocco(mutex_);
            trattenuta_ = false;
        }
        cambio_.notify_all();
    }

  private:
    void riscrivi() {
        for (std::size_t n = 1; scrivi(stati_[(n - 1) % stati_.size()], stati_[n % stati_.size()]);
             ++n) {
            std::this_thread::sleep_for(riposo_);
            std::unique_lock blocco(mutex_);
            inAttesa_ = true;
            cambio_.notify_all();
            cambio_.wait(blocco, [this] { return !trattenuta_ || fine_; });
            inAttesa_ = false;
            if (fine_)
                break;
        }
        const std::lock_guard blocco(mutex_);
        finita_ = true;
        cambio_.notify_all();
    }
    bool scrivi(const QByteArray& da, const QByteArray& a) {
        for (qsizetype inizio = 0; inizio < a.size() && !fine_; inizio += kPagina) {
            if (da.mid(inizio, kPagina) == a.mid(inizio, kPagina))
                continue;
            if (::pwrite(fd_, a.constData() + inizio, kPagina, inizio) != kPagina)
                return false;
            iniziata_ = true;
            std::this_thread::sleep_for(200us);
        }
        return !fine_;
    }

    int fd_;
    std::vector<QByteArray> stati_;
    std::chrono::microseconds riposo_;
    std::atomic<bool> fine_{false};
    std::atomic<bool> iniziata_{false};
    std::mutex mutex_;
    std::condition_variable cambio_;
    bool trattenuta_ = false;
    bool inAttesa_ = false;
    bool finita_ = false;
    std::thread filo_;
};

// The state the rows show: 'A' or 'B' when they all agree and none is
// missing, '?' otherwise.
char statoLetto(const Tabella& tabella) {
    if (tabella.righe.size() != static_cast<std::size_t>(kRighe))
        return '?';
    const QChar prima = tabella.righe.front().at(1).testo().front();
    for (const auto& riga : tabella.righe) {
        if (riga.at(1).testo().front() != prima)
            return '?';
    }
    return prima == u'A' || prima == u'B' ? static_cast<char>(prima.unicode()) : '?';
}

bool inModifica(const Errore& errore) {
    return errore.messaggio().contains(u"in corso di modifica da parte di un altro programma");
}

} // namespace

TEST(LetturaCoerente, RiscritturaInPostoMaiMescolata) {
    CartellaDiProva cartella;
    const QByteArray a = stato('A');
    const QByteArray b = stato('B');
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 20 * kPagina);
    cartella.scrivi(QStringLiteral("Camere.mdb"), a);
    const QString percorso = cartella.percorso(QStringLiteral("Camere.mdb"));

    RiscritturaInPosto scrittura(percorso, {a, b}, 60ms);
    ASSERT_TRUE(scrittura.aperto());
    const auto leggi = [&](bool inQuiete) {
        try {
            const FileJet file(percorso);
            const char letto = statoLetto(file.leggi(QStringLiteral("Camere")));
            EXPECT_NE(letto, '?') << "righe di due stati del file in una lettura";
        } catch (const Errore& errore) {
            EXPECT_TRUE(inModifica(errore) && !inQuiete) << errore.messaggio().toStdString();
        }
    };
    // Readings while the file is rewritten, and each time the writer is held
    // at the end of a rewrite, one on the file at rest, which must succeed.
    for (int volta = 0; volta < 3; ++volta) {
        const auto fine = std::chrono::steady_clock::now() + 500ms;
        while (std::chrono::steady_clock::now() < fine)
            leggi(false);
        ASSERT_TRUE(scrittura.trattieni()) << "la riscrittura si è interrotta";
        leggi(true);
        scrittura.lascia();
    }
}

// A file that never rests for long is given up after a couple of seconds,
// saying why.
TEST(LetturaCoerente, FileCheNonSiFermaMaiSegnalato) {
    CartellaDiProva cartella;
    const QByteArray a = stato('A');
    cartella.scrivi(QStringLiteral("Camere.mdb"), a);
    const QString percorso = cartella.percorso(QStringLiteral("Camere.mdb"));
    const FileJet file(percorso);

    RiscritturaInPosto scrittura(percorso, {a, stato('B')}, 5ms);
    ASSERT_TRUE(scrittura.aperto());
    scrittura.attendiPrimaPagina();
    const auto inizio = std::chrono::steady_clock::now();
    try {
        (void)file.leggi(QStringLiteral("Camere"));
        ADD_FAILURE() << "letto un file che cambia di continuo";
    } catch (const Errore& errore) {
        EXPECT_TRUE(inModifica(errore)) << errore.messaggio().toStdString();
        EXPECT_TRUE(errore.messaggio().contains(u"Camere.mdb")) << errore.messaggio().toStdString();
    }
    // Two seconds of attempts, and at most the few seconds a torn file that
    // stands still is waited for, should the writer be held up half way.
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 8s)
        << "la lettura non ha rinunciato entro il limite";
}

// A writer held up in the middle of an update leaves a torn file that stands
// still for a moment: it is read again when the update goes on, and only a
// file that stays torn is called damaged.
TEST(LetturaCoerente, ScrittoreFermoAMetaNonEDanno) {
    CartellaDiProva cartella;
    const QByteArray a = stato('A');
    QByteArray strappato = a;
    strappato.replace(2 * kPagina, kPagina, QByteArray(kPagina, '\0'));
    const QString percorso = cartella.percorso(QStringLiteral("Camere.mdb"));
    const auto scriviOra = [&](const QByteArray& contenuto) {
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(contenuto), contenuto.size());
    };

    scriviOra(strappato);
    std::thread ripresa([&] {
        std::this_thread::sleep_for(300ms);
        scriviOra(a);
    });
    try {
        EXPECT_EQ(statoLetto(FileJet(percorso).leggi(QStringLiteral("Camere"))), 'A');
    } catch (const Errore& errore) {
        ADD_FAILURE() << errore.messaggio().toStdString();
    }
    ripresa.join();

    scriviOra(strappato);
    try {
        (void)FileJet(percorso).leggi(QStringLiteral("Camere"));
        ADD_FAILURE() << "letto un file danneggiato";
    } catch (const Errore& errore) {
        EXPECT_FALSE(inModifica(errore)) << errore.messaggio().toStdString();
    }
}
