#include "demo/StampaDemo.h"

namespace {
constexpr int Driver = 1;
constexpr int Diretta = 2;
} // namespace

void ScriviImpostazioniStampa(ArchiviDemo& archivi) {
    TabellaMdb& destinazioni = archivi.tabella("Stampanti");
    destinazioni.riga({1, QString("Ufficio"), Driver, QString("PDF")});
    destinazioni.riga({1, QString("Archivio PDF"), Driver, QString("PDF")});
    destinazioni.riga({1, QString("Stampante PDF"), Driver, QString("PDF")});
    destinazioni.riga({1, QString("Aghi ricevimento"), Diretta, QString("ricevimento.prn")});
    destinazioni.riga({2, QString("Portineria"), Diretta, QString("portineria.prn")});

    // Twelve 3-digit codes each. Driver printing: 7 and 10 points, code 6 = 1;
    // direct printing: ESC SI and ESC DC2. Margins and page lengths in the
    // second text (codes 6, 7 and 8).
    TabellaMdb& tipi = archivi.tabella("SetStampa");
    tipi.riga({Driver, QString("007000000000000001010000000000000000"),
               QString("000000000000000002080066000000000000")});
    tipi.riga({Diretta, QString("027015000000000000027018000000000000"),
               QString("000000000000000001088066000000000000")});

    TabellaMdb& contatori = archivi.tabella("Contatori");
    contatori.riga({1, 80, 60});
    contatori.riga({2, 72, 56});
}
