#include "routines/Orologio.h"

namespace {
std::optional<QDateTime>& istanteFisso() {
    static std::optional<QDateTime> istante;
    return istante;
}
} // namespace

QDateTime Adesso() {
    return istanteFisso().value_or(QDateTime::currentDateTime());
}

void FissaOrologio(std::optional<QDateTime> istante) {
    istanteFisso() = std::move(istante);
}
