#pragma once

// Writes the database definition page (page 0) of a Jet 4 file: signature,
// version, and the masked area holding code page, sort order, an empty
// encryption key and the creation date (days from 30/12/1899).
void ScriviIntestazione(char* pagina, double dataCreazione);
