#include "mdbwriter/TipoJet.h"

bool TipoFisso(TipoJet tipo) {
    switch (tipo) {
    case TipoJet::Binario:
    case TipoJet::Testo:
    case TipoJet::Ole:
    case TipoJet::Memo:
        return false;
    default:
        return true;
    }
}

int DimensioneFissa(TipoJet tipo) {
    switch (tipo) {
    case TipoJet::Byte:
        return 1;
    case TipoJet::Intero:
        return 2;
    case TipoJet::Lungo:
    case TipoJet::Singolo:
        return 4;
    case TipoJet::Valuta:
    case TipoJet::Doppio:
    case TipoJet::DataOra:
        return 8;
    default:
        return 0;
    }
}

bool TipoLungo(TipoJet tipo) {
    return tipo == TipoJet::Memo || tipo == TipoJet::Ole;
}
