// A database on an SMB share (scripts/condivisione) rewritten through the
// share by another workstation, every 300 ms and without a pause, while the
// batch command runs over and over in the mounted folder (ArchivioConteso).
// Each case runs TS_CONCORRENZA_SECONDI seconds (3 unless set); longer by
// hand: tools/concorrenza/esegui. Where smbd or FUSE cannot start, the test
// is skipped with the reason.

#include "prove/tableau/ArchivioConteso.h"
#include "prove/tableau/CondivisioneSmb.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ConcorrenzaCondivisa, ArchivioRiscrittoDaUnAltroPosto) {
    if (!ArchivioConteso::programmiMancanti().isEmpty())
        GTEST_SKIP() << "Prova saltata: programma assente: "
                     << ArchivioConteso::programmiMancanti().toStdString();
    QTemporaryDir condivisa;
    const CondivisioneSmb condivisione(condivisa.path());
    if (!condivisione.saltata().isEmpty())
        GTEST_SKIP() << "Prova saltata: " << condivisione.saltata().toStdString();
    ASSERT_EQ(condivisione.errore(), QString());
    ArchivioConteso conteso;
    conteso.prepara(condivisa.path(), condivisione.montata());
    if (HasFatalFailure())
        return;
    for (const int pausa : {300, 0})
        ArchivioConteso::controlla(conteso.affianca(pausa, SecondiConcorrenza()));
}

} // namespace
