#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The checks a tableau request passes before the report runs, the same for
// the selection window and the batch command, and the warnings they give.

// Why a request is refused; each has its warning, a title and a text.
enum class Rifiuto { CamereErrate, DataErrata };

// The warning's title, as the message window shows it.
QString TitoloRifiuto(Rifiuto rifiuto);
// The warning's text, line by line.
QStringList TestoRifiuto(Rifiuto rifiuto);

// The room range is refused when the last room comes before the first, the
// texts compared by character code (so 101 comes before 99); equal texts
// pass.
bool CamereInOrdine(const QString& primaCamera, const QString& ultimaCamera);

// The start date as the request takes it when typed: ggmmaa and ggmmaaaa
// completed to gg/mm/aaaa (CompletaData), any other text as it is.
QString CompletaDataInizio(const QString& data);

// Whether ControllaData accepts the start date (a copy of it: the text
// itself is not trimmed).
bool DataInizioValida(const QString& data);

// The whole check of "&Stampa": the room range first, then the start date,
// taken as it stands (the window completes it only on Enter); nothing when
// the request passes.
std::optional<Rifiuto> ControllaRichiesta(const QString& primaCamera, const QString& ultimaCamera,
                                          const QString& data);
