#include "mdbwriter/TipoJet.h"

bool TipoFisso(TipoJet tipo) {
    switch (tipo) {
    case TipoJet::Binary:
    case TipoJet::Text:
    case TipoJet::OleObject:
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
    case TipoJet::Integer:
        return 2;
    case TipoJet::Long:
    case TipoJet::Single:
        return 4;
    case TipoJet::Currency:
    case TipoJet::Double:
    case TipoJet::DateTime:
        return 8;
    default:
        return 0;
    }
}

bool TipoLungo(TipoJet tipo) {
    return tipo == TipoJet::Memo || tipo == TipoJet::OleObject;
}
