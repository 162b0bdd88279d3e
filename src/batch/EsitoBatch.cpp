#include "batch/EsitoBatch.h"

EsitoBatch EsitoDellErrore(GenereErrore genere) {
    switch (genere) {
    case GenereErrore::RigaDiComando:
        return RigaDiComandoErrata;
    case GenereErrore::Richiesta:
        return RichiestaNonValida;
    case GenereErrore::Archivio:
        return ArchivioIllegibile;
    case GenereErrore::FileStampa:
        return FileStampaNonScritto;
    case GenereErrore::Uscita:
        return UscitaNonRiuscita;
    }
    return ErroreImprevisto;
}
