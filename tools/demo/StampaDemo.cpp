#include "demo/StampaDemo.h"

namespace {
constexpr int kDriver = 1;
constexpr int kDiretta = 2;
} // namespace

void ScriviImpostazioniStampa(ArchiviDemo& archivi) {
    TabellaMdb& destinazioni = archivi.tabella("Stampanti");
    destinazioni.riga({1, QString("Ufficio"), kDriver, QString("PDF")});
    destinazioni.riga({1, QString("Archivio PDF"), kDriver, QString("PDF")});
    destinazioni.riga({1, QString("Stampante PDF"), kDriver, QString("PDF")});
    destinazioni.riga({1, QString("Aghi ricevimento"), kDiretta, QString("ricevimento.prn")});
    destinazioni.riga({2, QString("Portineria"), kDiretta, QString("portineria.prn")});

    // Twelve 3-digit codes each. Driver printing: 7 and 10 points, code 6 = 1;
    // direct printing: ESC SI and ESC DC2. Margins and page lengths in the
    // second text (codes 6, 7 and 8).
    TabellaMdb& tipi = archivi.tabella("SetStampa");
    tipi.riga({kDriver, QString("007000000000000001010000000000000000"),
               QString("000000000000000002080066000000000000")});
    tipi.riga({kDiretta, QString("027015000000000000027018000000000000"),
               QString("000000000000000001088066000000000000")});

    TabellaMdb& contatori = archivi.tabella("Contatori");
    contatori.riga({1, 80, 60});
    contatori.riga({2, 72, 56});
}
