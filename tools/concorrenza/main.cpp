#include "concorrenza/RiscritturaAlternata.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <signal.h>

// riscrivi-archivio ARCHIVIO STATO_A STATO_B [--pausa MS] [--secondi N]
//
// Rewrites ARCHIVIO in place, page by page, alternately with the contents of
// STATO_B and STATO_A, pausing MS milliseconds between rewrites (0 unless
// given), for N seconds or, without --secondi, until SIGTERM or SIGINT. It
// ends after a whole rewrite and prints how many it made.

namespace {

std::atomic<bool> Fine{false};

void Ferma(int) {
    Fine = true;
}

long Numero(const std::string& opzione, const char* testo) {
    char* fine = nullptr;
    errno = 0;
    const long n = std::strtol(testo, &fine, 10);
    if (errno != 0 || *testo == '\0' || *fine != '\0' || n < 0)
        throw std::invalid_argument(opzione + " vuole un numero non negativo");
    return n;
}

} // namespace

int main(int argc, char** argv) {
    const char* uso = "Uso: riscrivi-archivio ARCHIVIO STATO_A STATO_B [--pausa MS] [--secondi N]";
    try {
        std::string file[3];
        int posizionali = 0;
        long pausa = 0, secondi = 0;
        for (int i = 1; i < argc; ++i) {
            const std::string argomento = argv[i];
            if ((argomento == "--pausa" || argomento == "--secondi") && i + 1 < argc)
                (argomento == "--pausa" ? pausa : secondi) = Numero(argomento, argv[++i]);
            else if (argomento.rfind("--", 0) != 0 && posizionali < 3)
                file[posizionali++] = argomento;
            else
                throw std::invalid_argument(uso);
        }
        if (posizionali != 3)
            throw std::invalid_argument(uso);

        RiscritturaAlternata riscrittura(file[0], file[1], file[2]);
        struct sigaction azione {};
        azione.sa_handler = Ferma;
        sigemptyset(&azione.sa_mask);
        sigaction(SIGTERM, &azione, nullptr);
        sigaction(SIGINT, &azione, nullptr);
        const long fatte = riscrittura.esegui(std::chrono::milliseconds(pausa),
                                              std::chrono::seconds(secondi), Fine);
        std::printf("riscritture: %ld\n", fatte);
        return 0;
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
