#pragma once

#include "archivi/Criterio.h"

#include <QString>

#include <optional>

// A selection of whole records of one table, the typed form of
//     Select * From <tabella> Where <dove>
//         [and <campo> In (Select <campoInterno> From <tabellaInterna>
//                          In '<fileInterno>' Where <doveInterno>)]
// The inner selection may read another database file, found like every
// database by its bare name in the current directory.
struct Selezione {
    struct In {
        QString campo;
        QString fileInterno;
        QString tabellaInterna;
        QString campoInterno;
        std::optional<Criterio> doveInterno;
    };

    QString tabella;
    std::optional<Criterio> dove;
    std::optional<In> in;
};
