#include "demo/AnagraficheDemo.h"

namespace {

struct Tipo {
    const char* sigla;
    const char* tipologia;
    const char* descrizione;
    int posti;
};

// "C" is a bedroom; "S" (sala) and "A" (appartamento) are units that the
// default room range leaves out.
constexpr Tipo kTipi[] = {
    {"SGL", "C", "Singola", 1},
    {"DBL", "C", "Doppia", 2},
    {"DUS", "C", "Doppia uso singola", 1},
    {"TRP", "C", "Tripla", 3},
    {"JS", "C", "Junior suite", 3},
    {"SUI", "C", "Suite", 4},
    {"SALA", "S", "Sala riunioni", 0},
    {"APP", "A", "Appartamento", 5},
};

int Posti(const QString& sigla) {
    for (const Tipo& t : kTipi)
        if (sigla == QLatin1String(t.sigla))
            return t.posti;
    return 1;
}

class Camere {
  public:
    explicit Camere(ArchiviDemo& archivi) : tabella_(archivi.tabella("NumeriCamere")) {}

    void aggiungi(int hotel, int tableau, const QString& numero, const QString& tipo,
                  bool libera = false) {
        const int posti = Posti(tipo);
        tabella_.riga({hotel, tableau, numero, tipo, posti});
        if (posti > 0)
            camere_.push_back({hotel, tableau, numero, posti, libera});
    }
    std::vector<CameraDemo> camere() && { return std::move(camere_); }

  private:
    TabellaMdb& tabella_;
    std::vector<CameraDemo> camere_;
};

QString TipoDelPiano(int n) {
    static const QStringList giro = {"DBL", "DBL", "SGL", "DBL", "TRP",
                                     "DUS", "DBL", "JS",  "DBL", "SGL"};
    return giro[n % giro.size()];
}

void CamereOrdinarie(Camere& c) {
    for (int n = 101; n <= 120; ++n)
        c.aggiungi(1, 1, QString::number(n), n == 110 ? "SUI" : TipoDelPiano(n), n == 120);
    c.aggiungi(1, 1, "99", "DBL");
    for (int n = 201; n <= 218; ++n)
        c.aggiungi(1, 2, QString::number(n), n >= 217 ? "JS" : TipoDelPiano(n), n == 218);
    c.aggiungi(1, 2, "SR1", "SALA");
    for (int n = 1; n <= 6; ++n)
        c.aggiungi(1, 3, QStringLiteral("D%1").arg(n), "APP");
    for (int n = 101; n <= 112; ++n)
        c.aggiungi(2, 1, QString::number(n), TipoDelPiano(n + 3), n == 112);
    for (int n = 1; n <= 4; ++n)
        c.aggiungi(2, 2, QStringLiteral("S%1").arg(n), "SUI", n == 4);
    c.aggiungi(2, 2, "A1", "APP");
    c.aggiungi(2, 2, "A2", "APP");
}

void CamereInScala(Camere& c, TabellaMdb& tableau, int quante, int perTableau) {
    for (int i = 0; i < quante; ++i) {
        const int piano = i / 25 + 1;
        const int tab = i / perTableau + 1;
        if (i % perTableau == 0)
            tableau.riga({1, tab,
                          QStringLiteral("Camere %1 - %2")
                              .arg(i + 1)
                              .arg(std::min(i + perTableau, quante))});
        c.aggiungi(1, tab, QString::number(piano * 100 + i % 25 + 1), TipoDelPiano(i));
    }
    for (int n = 101; n <= 112; ++n)
        c.aggiungi(2, 1, QString::number(n), TipoDelPiano(n + 3));
}

} // namespace

std::vector<CameraDemo> ScriviAnagrafiche(ArchiviDemo& archivi, const OpzioniDemo& opzioni) {
    TabellaMdb& hotel = archivi.tabella("AnagraficaHotels");
    hotel.riga({0, QString("Anagrafica modello (non usare)"), QString(), Valore()});
    hotel.riga({1, QString("Hotel Bellavista Riviera"), QString("AS-1042"), QString("Rimini")});
    hotel.riga({2, QString("Albergo Miramonti"), QString("AS-2087"), QString("Cortina d'Ampezzo")});

    TabellaMdb& tipi = archivi.tabella("TipiCamere");
    for (const Tipo& t : kTipi)
        tipi.riga({QString(t.sigla), QString(t.tipologia), QString(t.descrizione)});

    TabellaMdb& tableau = archivi.tabella("Tableau");
    tableau.riga({1, 0, QString("Tutte le camere (modello)")});
    Camere camere(archivi);
    if (opzioni.camere > 0) {
        CamereInScala(camere, tableau, opzioni.camere, opzioni.camerePerTableau);
    } else {
        tableau.riga({1, 1, QString("Piano primo")});
        tableau.riga({1, 2, QString("Piano secondo")});
        tableau.riga({1, 3, QString("Dépendance")});
        CamereOrdinarie(camere);
    }
    tableau.riga({2, 1, QString("Camere")});
    tableau.riga({2, 2, QString("Suite e appartamenti")});
    return std::move(camere).camere();
}
