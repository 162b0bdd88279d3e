#pragma once

#include "tableau/GiorniCamera.h"
#include "tableau/RichiestaTableau.h"
#include "tableau/Settimana.h"
#include "tableau/SorgenteArchivi.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The occupancy half of the report: which rooms the tableau shows, and what
// the guest and reservation passes find for each of them.
class RaccoltaSettimana {
public:
    virtual ~RaccoltaSettimana() = default;
    // NumeroCamera of the selected rooms, as read, in room-number text order.
    virtual const std::vector<QString>& camere() const = 0;
    // The day table of one of those rooms.
    virtual GiorniCamera giorni(const QString& camera) const = 0;
};

// Opens the record sets a collection needs and makes it.
using ApriRaccolta = std::function<std::unique_ptr<RaccoltaSettimana>(
    SorgenteArchivi&, const RichiestaTableau&, const Settimana&)>;
