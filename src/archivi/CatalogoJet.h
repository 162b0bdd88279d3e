#pragma once

#include "archivi/PagineJet.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace jet {

// The definition of the catalog itself.
constexpr std::uint32_t kPaginaCatalogo = 2;

struct VoceCatalogo {
    QString nome;
    // First page of the table's definition.
    std::uint32_t pagina = 0;
    // False for the system tables (MSys...), which the table list leaves out.
    bool utente = true;
};

// The tables of a file, from its system catalog: the table MSysObjects,
// whose definition is always page 2 and whose rows describe every object
// (tables have type 1; the low 24 bits of Id are the definition page).
std::vector<VoceCatalogo> LeggiCatalogo(const PagineJet& file);

// The properties Access keeps for the table whose definition starts at
// `pagina` (the LvProp field of its catalog row); empty when it has none.
QByteArray ProprietaTabella(const PagineJet& file, std::uint32_t pagina);

} // namespace jet
