#pragma once

#include "archivi/Valore.h"

#include <ostream>

// Lets GoogleTest show values readably when an expectation fails.
inline void PrintTo(const Valore& v, std::ostream* os) {
    switch (v.tipo()) {
    case Valore::Tipo::Nullo:
        *os << "Null";
        break;
    case Valore::Tipo::Testo:
        *os << '"' << v.testo().left(60).toStdString() << "\" (" << v.testo().size() << " car.)";
        break;
    case Valore::Tipo::Binario:
        *os << "binario di " << v.byte().size() << " byte";
        break;
    case Valore::Tipo::Decimale:
        *os << "decimale " << v.decimale().toStdString();
        break;
    case Valore::Tipo::DataOraEstesa:
        *os << "data estesa " << v.dataOraEstesa().toStdString();
        break;
    default:
        *os << "numero " << static_cast<int>(v.tipo()) << ": " << v.numero();
        break;
    }
}
