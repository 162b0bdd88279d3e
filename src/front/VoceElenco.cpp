#include "front/VoceElenco.h"

#include "routines/SetRoutine.h"

namespace {
constexpr int kCifre = 3;
}

QString VoceElenco(std::int64_t numero, const QString& nome) {
    return QString::number(numero).rightJustified(kCifre, u' ') + u' ' + nome;
}

std::int16_t NumeroDellaVoce(const QString& voce) {
    return static_cast<std::int16_t>(LeggiNumero(voce.left(kCifre)));
}
