#include "archivi/GenereCampo.h"

GenereCampo GenereDi(const Valore& valore) {
    if (valore.numerico())
        return GenereCampo::Numero;
    switch (valore.tipo()) {
    case Valore::Tipo::Testo:
        return GenereCampo::Testo;
    case Valore::Tipo::Binario:
        return GenereCampo::Binario;
    default:
        return GenereCampo::Ignoto;
    }
}

bool Confrontabili(GenereCampo campo, GenereCampo valore) {
    if (campo == GenereCampo::Ignoto || valore == GenereCampo::Ignoto)
        return true;
    return campo == valore && campo != GenereCampo::Binario;
}

QString ContenutoDi(GenereCampo genere) {
    switch (genere) {
    case GenereCampo::Testo:
        return QStringLiteral("testo");
    case GenereCampo::Numero:
        return QStringLiteral("numeri");
    case GenereCampo::Binario:
        return QStringLiteral("dati binari");
    case GenereCampo::Ignoto:
        break;
    }
    return QStringLiteral("valori di tipo sconosciuto");
}

QString ValoreDi(GenereCampo genere) {
    switch (genere) {
    case GenereCampo::Testo:
        return QStringLiteral("un testo");
    case GenereCampo::Numero:
        return QStringLiteral("un numero");
    case GenereCampo::Binario:
        return QStringLiteral("dati binari");
    case GenereCampo::Ignoto:
        break;
    }
    return QStringLiteral("un valore di tipo sconosciuto");
}
