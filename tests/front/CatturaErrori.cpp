#include "prove/front/CatturaErrori.h"

#include <cstdio>
#include <unistd.h>

CatturaErrori::CatturaErrori() : originale_(dup(STDERR_FILENO)) {
    if (!file_.open() || originale_ < 0)
        qFatal("cannot capture standard error");
    std::fflush(stderr);
    dup2(file_.handle(), STDERR_FILENO);
}

CatturaErrori::~CatturaErrori() {
    std::fflush(stderr);
    dup2(originale_, STDERR_FILENO);
    close(originale_);
}

QByteArray CatturaErrori::testo() {
    std::fflush(stderr);
    file_.seek(0);
    return file_.readAll();
}
