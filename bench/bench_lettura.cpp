// Times a selective scan of a large table through the program's reader
// against mdb-export of the same table, each in a process of its own so that
// peak memory is measured for that work alone.
//
//     bench_lettura [FILE.mdb [TABELLA [INIZIO FINE]]]
//
// Without a file, the demo generator's scale data (500 rooms, 10 years) are
// written into a temporary folder and its two largest tables are measured.
// The selection is the report's: DataArrivo <= FINE and DataPartenza > INIZIO
// (8-digit dates). Without dates, the week starting at the table's median
// arrival date is used.

#include "archivi/Criterio.h"
#include "archivi/FileJet.h"
#include "demo/GeneraDemo.h"
#include "routines/Errore.h"

#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kRipetizioni = 3;

struct Misura {
    double secondi = 0;
    double cpu = 0; // user and system time
    long piccoKiB = 0;
    std::string uscita;
    bool riuscita = false;
};

// Runs `argomenti` with its standard output captured, or sent to /dev/null.
Misura esegui(const std::vector<std::string>& argomenti, bool cattura) {
    Misura misura;
    int tubo[2];
    if (pipe(tubo) != 0)
        return misura;
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    if (cattura)
        posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    posix_spawn_file_actions_addclose(&azioni, tubo[1]);
    std::vector<char*> argv;
    for (const std::string& a : argomenti)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto inizio = std::chrono::steady_clock::now();
    pid_t figlio = 0;
    const int esito = posix_spawnp(&figlio, argv[0], &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (esito != 0) {
        close(tubo[0]);
        return misura;
    }
    char blocco[4096];
    for (ssize_t letti; (letti = read(tubo[0], blocco, sizeof blocco)) != 0;) {
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0)
            break;
        misura.uscita.append(blocco, static_cast<std::size_t>(letti));
    }
    close(tubo[0]);
    int stato = 0;
    rusage uso{};
    wait4(figlio, &stato, 0, &uso);
    misura.secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    misura.piccoKiB = uso.ru_maxrss;
    misura.cpu = static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
                 static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
    misura.riuscita = WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
    return misura;
}

// The best times and the highest peak of several runs.
Misura migliore(const std::vector<std::string>& argomenti, bool cattura) {
    Misura risultato;
    for (int i = 0; i < kRipetizioni; ++i) {
        const Misura m = esegui(argomenti, cattura);
        if (!m.riuscita)
            return m;
        const long picco = std::max(risultato.piccoKiB, m.piccoKiB);
        const double cpu = i == 0 ? m.cpu : std::min(risultato.cpu, m.cpu);
        if (i == 0 || m.secondi < risultato.secondi)
            risultato = m;
        risultato.piccoKiB = picco;
        risultato.cpu = cpu;
    }
    return risultato;
}

Criterio settimana(const QString& inizio, const QString& fine) {
    return Campo(QStringLiteral("DataArrivo")) <= Valore(fine) &&
           Campo(QStringLiteral("DataPartenza")) > Valore(inizio);
}

// The child's work: the selective scan, printing the rows kept.
int scansione(const QString& file, const QString& tabella, const QString& inizio,
              const QString& fine) {
    const Criterio dove = settimana(inizio, fine);
    const Tabella righe = FileJet(file).leggi(tabella, &dove);
    std::printf("%zu\n", righe.righe.size());
    return 0;
}

// The child's work before the timing: the table's row count and the week
// starting at its median arrival date, printed as "righe inizio fine". Kept
// out of the measuring process, whose own memory would otherwise count in
// its children's peak until they exec.
int descrivi(const QString& file, const QString& tabella) {
    const Tabella righe = FileJet(file).leggi(tabella);
    const int colonna = righe.indiceCampo(QStringLiteral("DataArrivo"));
    std::vector<QString> arrivi;
    for (const auto& riga : righe.righe) {
        if (colonna >= 0 && !riga[static_cast<std::size_t>(colonna)].nullo())
            arrivi.push_back(riga[static_cast<std::size_t>(colonna)].testo());
    }
    QDate giorno(2026, 1, 5);
    if (!arrivi.empty()) {
        const auto mezzo = arrivi.begin() + static_cast<std::ptrdiff_t>(arrivi.size() / 2);
        std::nth_element(arrivi.begin(), mezzo, arrivi.end());
        giorno = QDate::fromString(*mezzo, QStringLiteral("yyyyMMdd"));
    }
    std::printf("%zu %s %s\n", righe.righe.size(),
                qPrintable(giorno.toString(QStringLiteral("yyyyMMdd"))),
                qPrintable(giorno.addDays(6).toString(QStringLiteral("yyyyMMdd"))));
    return 0;
}

// Measures one table; `inizio` and `fine` empty for the median week.
int misura(const char* programma, const QString& file, const QString& tabella, QString inizio,
           QString fine) {
    const Misura descrizione =
        esegui({programma, "--descrivi", file.toStdString(), tabella.toStdString()}, true);
    unsigned long long totale = 0;
    char primo[16] = {};
    char ultimo[16] = {};
    if (!descrizione.riuscita ||
        std::sscanf(descrizione.uscita.c_str(), "%llu %15s %15s", &totale, primo, ultimo) != 3) {
        std::fprintf(stderr, "tabella illeggibile: %s\n", qPrintable(tabella));
        return 1;
    }
    if (inizio.isEmpty()) {
        inizio = QString::fromLatin1(primo);
        fine = QString::fromLatin1(ultimo);
    }
    const Misura conteggio = esegui({"mdb-count", file.toStdString(), tabella.toStdString()}, true);
    const Misura nostra =
        migliore({programma, "--scansione", file.toStdString(), tabella.toStdString(),
                  inizio.toStdString(), fine.toStdString()},
                 true);
    const Misura esporta =
        migliore({"mdb-export", file.toStdString(), tabella.toStdString()}, false);
    if (!nostra.riuscita) {
        std::fprintf(stderr, "la scansione non è riuscita\n");
        return 1;
    }
    const auto primaRiga = [](const std::string& testo) {
        return testo.substr(0, testo.find('\n'));
    };
    std::printf("file %s, tabella %s: %llu righe (mdb-count: %s), %lld KiB\n", qPrintable(file),
                qPrintable(tabella), totale,
                conteggio.riuscita ? primaRiga(conteggio.uscita).c_str() : "?",
                static_cast<long long>(QFileInfo(file).size() / 1024));
    std::printf("selezione DataArrivo <= '%s' and DataPartenza > '%s': %s righe scelte\n",
                qPrintable(fine), qPrintable(inizio), primaRiga(nostra.uscita).c_str());
    std::printf("lettore del programma: %8.3f s (CPU %.3f s), picco di memoria %6.1f MiB\n",
                nostra.secondi, nostra.cpu, static_cast<double>(nostra.piccoKiB) / 1024.0);
    if (!esporta.riuscita) {
        std::printf("mdb-export: non eseguibile\n");
        return 1;
    }
    std::printf("mdb-export:            %8.3f s (CPU %.3f s), picco di memoria %6.1f MiB\n",
                esporta.secondi, esporta.cpu, static_cast<double>(esporta.piccoKiB) / 1024.0);
    std::printf("rapporto mdb-export / lettore: tempo %.1f, CPU %.1f\n\n",
                esporta.secondi / nostra.secondi, esporta.cpu / std::max(nostra.cpu, 1e-6));
    return 0;
}

// The child's work: the demo generator's scale data (500 rooms, 10 years,
// fixed seed and day) written into `cartella`.
int genera(const QString& cartella) {
    OpzioniDemo opzioni;
    opzioni.cartella = cartella;
    opzioni.riferimento = QDate(2026, 1, 5);
    opzioni.camere = 500;
    opzioni.anni = 10;
    GeneraDemo(opzioni);
    return 0;
}

int misuraScala(const char* programma) {
    QTemporaryDir cartella;
    std::printf("genera-demo --camere 500 --anni 10 --data 05/01/2026 in %s\n\n",
                qPrintable(cartella.path()));
    if (!esegui({programma, "--genera", cartella.path().toStdString()}, false).riuscita) {
        std::fprintf(stderr, "generazione non riuscita\n");
        return 1;
    }
    int esito = 0;
    for (const QString& tabella :
         {QStringLiteral("Camere_Prenotazione"), QStringLiteral("Scheda_Cliente")})
        esito |=
            misura(programma, cartella.filePath(tabella + QStringLiteral(".mdb")), tabella, {}, {});
    return esito;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 6 && std::string(argv[1]) == "--scansione")
            return scansione(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                             QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5]));
        if (argc == 4 && std::string(argv[1]) == "--descrivi")
            return descrivi(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        if (argc == 3 && std::string(argv[1]) == "--genera")
            return genera(QString::fromLocal8Bit(argv[2]));
        if (argc == 1)
            return misuraScala(argv[0]);
        if (argc != 2 && argc != 3 && argc != 5) {
            std::fprintf(stderr, "uso: %s [FILE.mdb [TABELLA [INIZIO FINE]]]\n", argv[0]);
            return 2;
        }
        return misura(argv[0], QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(),
                      argc >= 3 ? QString::fromLocal8Bit(argv[2])
                                : QStringLiteral("Camere_Prenotazione"),
                      argc == 5 ? QString::fromLocal8Bit(argv[3]) : QString(),
                      argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString());
    } catch (
        const std::exception& errore) { // an archive Errore, or the generator's ErroreScrittura
        std::fprintf(stderr, "%s\n", errore.what());
        return 1;
    }
}
