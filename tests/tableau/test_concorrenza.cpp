// A database rewritten in place by another program while the batch command
// runs over and over on a local folder (ArchivioConteso), every 300 ms and
// without a pause. Each case runs TS_CONCORRENZA_SECONDI seconds (3 unless
// set); a longer run by hand: tools/concorrenza/esegui.

#include "prove/tableau/ArchivioConteso.h"
#include "prove/util/CartellaDiProva.h"

#include <gtest/gtest.h>

namespace {

class Concorrenza : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!ArchivioConteso::programmiMancanti().isEmpty())
            GTEST_SKIP() << "Prova saltata: programma assente: "
                         << ArchivioConteso::programmiMancanti().toStdString();
        conteso_.prepara(cartella_.percorso(), cartella_.percorso());
    }

    CartellaDiProva cartella_;
    ArchivioConteso conteso_;
};

// As another program that saves now and then.
TEST_F(Concorrenza, RiscritturaOgni300ms) {
    ArchivioConteso::controlla(conteso_.affianca(300, SecondiConcorrenza()));
}

// As another program writing without a break: the report may then never
// find the file at rest, but it must say so; a writer held up in the middle
// of a rewrite leaves a torn file that stands still for a moment, which is
// not damage.
TEST_F(Concorrenza, RiscritturaSenzaPausa) {
    ArchivioConteso::controlla(conteso_.affianca(0, SecondiConcorrenza()));
}

} // namespace
