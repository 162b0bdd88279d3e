#pragma once

#include "tableau/Intestazione.h"
#include "tableau/RaccoltaSettimana.h"
#include "tableau/RichiestaTableau.h"
#include "tableau/TableauDellaSettimana.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// The weekly tableau: for the rooms of one tableau of a hotel whose numbers
// lie between the first and the last room (compared as text), who is
// registered in each room and who has booked it on each of seven days from
// the start date (gg/mm/aaaa). The tableau replaces the workstation's print
// file; a failure at any point leaves the previous print file whole.
//
// Errors, each an Errore with an Italian message, by kind: of the request (a
// start date that is no day of the calendar, a workstation number that
// cannot name the print file), of the print file (one that cannot be
// written), of an archive (a database file, table or field that is missing
// or unreadable).
//
// A hotel or tableau that the databases do not hold gives a tableau with a
// bare title, as the window has it; with HotelETableau::SoloEsistenti it is
// refused instead with an Errore of the request that names it.
//
// Returns the print file's lines as LeggiFileStampa would read them back
// right after: what comes next in the same run (spreadsheet, PDF, print)
// takes them from here, since another run on the same workstation may have
// replaced the file meanwhile.
enum class HotelETableau { AncheMancanti, SoloEsistenti };
QStringList StampaTableau(std::int16_t hotel, std::int16_t tableau, const QString& primaCamera,
                          const QString& ultimaCamera, const QString& data,
                          HotelETableau richiesti = HotelETableau::AncheMancanti);
// The same, with the data the lines were made of, for outputs drawn from
// them (the week chart).
TableauScritto StampaTableauConDati(std::int16_t hotel, std::int16_t tableau,
                                    const QString& primaCamera, const QString& ultimaCamera,
                                    const QString& data, HotelETableau richiesti);

// The same, with the record sets and the collection given: the tests run
// the report on tables of their own and with other collections.
QStringList ScriviTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                          const ApriRaccolta& apriRaccolta);
// `intestazione`, when given, holds the names of the hotel and the tableau as
// already read, and the title shows them rather than reading them again.
TableauScritto ScriviTableauConDati(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
                                    const ApriRaccolta& apriRaccolta,
                                    const std::optional<Intestazione>& intestazione = std::nullopt);

// The tableau's lines, in order, each handed to `riga` (without line end),
// the moment of printing taken from Adesso(); returns the data they show.
// An Errore of the request for a bad date.
TableauDellaSettimana
ComponiTableau(const RichiestaTableau& richiesta, SorgenteArchivi& archivi,
               const ApriRaccolta& apriRaccolta, const std::function<void(const QString&)>& riga,
               const std::optional<Intestazione>& intestazione = std::nullopt);
