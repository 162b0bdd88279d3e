#include "grafico/ImpaginazioneGrafico.h"

#include "grafico/AdattaTesto.h"
#include "routines/Calendario.h"

#include <algorithm>
#include <limits>

namespace {

using Stato = CellaGrafico::Stato;

constexpr double kMargine = 22;
constexpr double kInterlinea = 1.15;
constexpr double kPuntiTitolo = 13;
constexpr double kPuntiSottotitolo = 9;
constexpr double kPuntiGiorni = 9;
constexpr double kPuntiLegenda = 8;
constexpr double kPuntiMinimi = 7;
constexpr double kCorpoMassimo = 10;
constexpr double kPassoCorpo = 0.5;
constexpr double kSpazioOrizzontale = 2.5; // inside a cell, left and right
constexpr double kSpazioVerticale = 1.8;   // inside a cell, above and below
constexpr double kDistacco = 6;            // between the heading, the table and the legend
constexpr double kTrattoEsterno = 0.8;
constexpr double kTrattoInterno = 0.3;
constexpr double kSegnoPerPunto = 0.62; // the mark's side, per point of the cell's text

// A piece of the chart: its lines and its height. A room's row is laid out
// from the row's top and moved into place on its sheet.
struct Blocco {
    std::vector<Scritta> scritte;
    double altezza = 0;

    void sposta(double dx, double dy) {
        for (Scritta& s : scritte)
            s.origine += QPointF(dx, dy);
    }
};

class Impaginatore {
  public:
    Impaginatore(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                 const MisuraTesto& misura);

    PianoGrafico impagina() const;

  private:
    struct Fila {
        Blocco contenuto;
        std::vector<Stato> stati; // of the seven days
    };

    // Lines of a text from `alto`, the first baseline where a line of the
    // block's size `punti` would have it; the block's height.
    double scriviRighe(Blocco& blocco, const TestoAdattato& testo, double x, double alto,
                       double punti, bool grassetto) const;
    Blocco cella(const CellaGrafico& cella, double x, double larghezza, double punti) const;
    Fila fila(const CameraDellaSettimana& camera, double punti) const;
    std::vector<Fila> file(double punti) const;
    std::vector<std::vector<std::size_t>> pagine(const std::vector<Fila>& file) const;

    Blocco intestazione(int pagina, int pagine) const;
    Blocco testataGiorni() const;
    void legenda(PaginaGrafico& pagina) const;
    // The table's frame from `alto` to `basso`, the columns down to `fineColonne`.
    void griglia(PaginaGrafico& pagina, double alto, double basso, double fineColonne,
                 const std::vector<double>& separatori) const;
    double linea(double punti) const { return punti * kInterlinea; }
    // The weekday of day d (1..7).
    QString nomeDelGiorno(int d) const {
        return kNomiGiorni[static_cast<std::size_t>((tableau_.settimana.giornoSettimana() + d - 1) %
                                                    7)];
    }
    double xGiorno(int d) const { return kMargine + colonnaCamera_ + (d - 1) * colonnaGiorno_; }

    const TableauDellaSettimana& tableau_;
    const MisuraTesto& misura_;
    QSizeF foglio_;
    double larghezza_ = 0;
    double colonnaCamera_ = 0;
    double colonnaGiorno_ = 0;
    double altoTabella_ = 0;
    double altoCorpo_ = 0;
    double bassoCorpo_ = 0;
    bool settimanaLibera_ = true;
};

QString testoPersone(const QString& persone) {
    return persone.isEmpty() ? QString() : persone + QStringLiteral(" pax");
}

Impaginatore::Impaginatore(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                           const MisuraTesto& misura)
    : tableau_(tableau), misura_(misura), foglio_(foglio.misura()) {
    larghezza_ = foglio_.width() - 2 * kMargine;
    // The room column takes the widest room number, within bounds.
    double camera = misura_.larghezza(QStringLiteral("Camera"), kPuntiLegenda, true);
    for (const CameraDellaSettimana& c : tableau_.camere)
        camera = std::max(camera, misura_.larghezza(TestoDisegnabile(c.camera),
                                                    kCorpoMassimo * kInterlinea, true));
    colonnaCamera_ =
        std::clamp(camera + 2 * kSpazioOrizzontale, 30.0, std::max(30.0, 0.12 * larghezza_));
    colonnaGiorno_ = (larghezza_ - colonnaCamera_) / 7;
    for (const CameraDellaSettimana& c : tableau_.camere) {
        for (const GiornoCamera& g : c.giorni)
            settimanaLibera_ &= CellaGrafico::delGiorno(g).stato == Stato::Libera;
    }
    altoTabella_ = kMargine + intestazione(1, 1).altezza + kDistacco;
    altoCorpo_ = altoTabella_ + testataGiorni().altezza;
    bassoCorpo_ = foglio_.height() - kMargine - linea(kPuntiLegenda) - kDistacco;
}

double Impaginatore::scriviRighe(Blocco& blocco, const TestoAdattato& testo, double x, double alto,
                                 double punti, bool grassetto) const {
    double base = alto + misura_.ascesa(punti);
    for (const QString& riga : testo.righe) {
        blocco.scritte.push_back({QPointF(x, base), riga, testo.punti, grassetto});
        base += linea(testo.punti);
    }
    if (testo.righe.size() <= 1)
        return linea(punti);
    const double ultima = base - linea(testo.punti);
    return std::max(linea(punti),
                    ultima + misura_.discesa(testo.punti) + (kInterlinea - 1) * testo.punti - alto);
}

// The name (bold) with the persons and the mark on its right, then the
// number with the company on its right; each text on up to two lines.
Blocco Impaginatore::cella(const CellaGrafico& c, double x, double larghezza, double punti) const {
    Blocco blocco;
    if (c.stato == Stato::Libera)
        return blocco;
    const MisureAmmesse ammesse{punti, kPuntiMinimi, 2};
    const double sinistra = x + kSpazioOrizzontale;
    const double destra = x + larghezza - kSpazioOrizzontale;
    double alto = kSpazioVerticale;

    const double segno = kSegnoPerPunto * punti;
    double spazioNome = destra - sinistra - segno - 2;
    const QString persone = testoPersone(c.persone);
    if (!persone.isEmpty()) {
        const double larghezzaPersone = misura_.larghezza(persone, punti, false);
        blocco.scritte.push_back(
            {QPointF(destra - segno - 2 - larghezzaPersone, alto + misura_.ascesa(punti)), persone,
             punti, false});
        spazioNome -= larghezzaPersone + 3;
    }
    alto += scriviRighe(blocco, AdattaTesto(c.nome, spazioNome, ammesse, true, misura_), sinistra,
                        alto, punti, true);

    if (!c.numero.isEmpty() || !c.ditta.isEmpty()) {
        double inizioDitta = sinistra;
        if (!c.numero.isEmpty()) {
            blocco.scritte.push_back(
                {QPointF(sinistra, alto + misura_.ascesa(punti)), c.numero, punti, false});
            inizioDitta += misura_.larghezza(c.numero, punti, false) + 4;
        }
        TestoAdattato ditta = AdattaTesto(c.ditta, destra - inizioDitta, ammesse, false, misura_);
        // A company that fits beside the number only broken or cut goes
        // under it, on the cell's whole width, when it fits whole there.
        if (!ditta.intero() && inizioDitta > sinistra) {
            TestoAdattato sotto = AdattaTesto(c.ditta, destra - sinistra, ammesse, false, misura_);
            if (sotto.intero()) {
                alto += linea(punti);
                ditta = std::move(sotto);
                inizioDitta = sinistra;
            }
        }
        alto += scriviRighe(blocco, ditta, inizioDitta, alto, punti, false);
    }
    blocco.altezza = alto + kSpazioVerticale;
    return blocco;
}

Impaginatore::Fila Impaginatore::fila(const CameraDellaSettimana& camera, double punti) const {
    Fila fila;
    const double puntiCamera = punti * kInterlinea;
    fila.contenuto.altezza =
        2 * kSpazioVerticale +
        scriviRighe(fila.contenuto,
                    AdattaTesto(TestoDisegnabile(camera.camera),
                                colonnaCamera_ - 2 * kSpazioOrizzontale,
                                {puntiCamera, kPuntiMinimi, 2}, true, misura_),
                    kMargine + kSpazioOrizzontale, kSpazioVerticale, puntiCamera, true);
    for (int d = 1; d <= 7; ++d) {
        const CellaGrafico c =
            CellaGrafico::delGiorno(camera.giorni[static_cast<std::size_t>(d - 1)]);
        Blocco giorno = cella(c, xGiorno(d), colonnaGiorno_, punti);
        fila.contenuto.altezza = std::max(fila.contenuto.altezza, giorno.altezza);
        fila.contenuto.scritte.insert(fila.contenuto.scritte.end(), giorno.scritte.begin(),
                                      giorno.scritte.end());
        fila.stati.push_back(c.stato);
    }
    return fila;
}

std::vector<Impaginatore::Fila> Impaginatore::file(double punti) const {
    std::vector<Fila> file;
    file.reserve(tableau_.camere.size());
    for (const CameraDellaSettimana& camera : tableau_.camere)
        file.push_back(fila(camera, punti));
    return file;
}

// The rows of each sheet: as many whole rows as the body holds, at least one.
std::vector<std::vector<std::size_t>> Impaginatore::pagine(const std::vector<Fila>& file) const {
    std::vector<std::vector<std::size_t>> pagine(1);
    double y = altoCorpo_;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (y + file[i].contenuto.altezza > bassoCorpo_ && !pagine.back().empty()) {
            pagine.emplace_back();
            y = altoCorpo_;
        }
        pagine.back().push_back(i);
        y += file[i].contenuto.altezza;
    }
    return pagine;
}

Blocco Impaginatore::intestazione(int pagina, int pagine) const {
    Blocco blocco;
    const Intestazione& nomi = tableau_.intestazione;
    const Settimana& settimana = tableau_.settimana;
    const QString numero = QStringLiteral("pagina %1 di %2").arg(pagina).arg(pagine);
    const QString momento = QStringLiteral("stampato il %1 alle %2")
                                .arg(tableau_.momento.toString(QStringLiteral("dd/MM/yyyy")),
                                     tableau_.momento.toString(QStringLiteral("HH:mm")));
    const double destra = kMargine + larghezza_;
    const double aDestra = std::max(misura_.larghezza(numero, kPuntiSottotitolo, true),
                                    misura_.larghezza(momento, kPuntiSottotitolo, false));
    const double spazio = larghezza_ - aDestra - 12;

    const QString titolo = nomi.hotel ? TestoDisegnabile(*nomi.hotel) : QString();
    double alto = kMargine;
    const double altoTitolo =
        scriviRighe(blocco,
                    AdattaTesto(titolo.isEmpty() ? QStringLiteral("Tableau settimanale") : titolo,
                                spazio, {kPuntiTitolo, kPuntiSottotitolo, 1}, true, misura_),
                    kMargine, alto, kPuntiTitolo, true);
    blocco.scritte.push_back({QPointF(destra - misura_.larghezza(numero, kPuntiSottotitolo, true),
                                      alto + misura_.ascesa(kPuntiTitolo)),
                              numero, kPuntiSottotitolo, true});
    alto += altoTitolo;

    QString sottotitolo = QStringLiteral("settimana da %1 %2 a %3 %4")
                              .arg(nomeDelGiorno(1).toLower(), settimana.dataMostrata(1),
                                   nomeDelGiorno(7).toLower(), settimana.dataMostrata(7));
    if (const QString tableau = nomi.tableau ? TestoDisegnabile(*nomi.tableau) : QString();
        !tableau.isEmpty())
        sottotitolo = QStringLiteral("Tableau %1 \u2014 %2").arg(tableau, sottotitolo);
    else
        sottotitolo[0] = sottotitolo[0].toUpper();
    blocco.scritte.push_back({QPointF(destra - misura_.larghezza(momento, kPuntiSottotitolo, false),
                                      alto + misura_.ascesa(kPuntiSottotitolo)),
                              momento, kPuntiSottotitolo, false});
    alto += scriviRighe(
        blocco,
        AdattaTesto(sottotitolo, spazio, {kPuntiSottotitolo, kPuntiMinimi, 1}, false, misura_),
        kMargine, alto, kPuntiSottotitolo, false);
    if (!tableau_.camere.empty() && settimanaLibera_)
        alto += scriviRighe(
            blocco,
            AdattaTesto(QStringLiteral("Nessun ospite registrato e nessuna prenotazione in "
                                       "questa settimana."),
                        larghezza_, {kPuntiSottotitolo, kPuntiMinimi, 1}, true, misura_),
            kMargine, alto, kPuntiSottotitolo, true);
    blocco.altezza = alto - kMargine;
    return blocco;
}

Blocco Impaginatore::testataGiorni() const {
    Blocco blocco;
    const double alto = altoTabella_ + kSpazioVerticale;
    const MisureAmmesse unaRiga{kPuntiGiorni, kPuntiMinimi, 1};
    const double spazio = colonnaGiorno_ - 2 * kSpazioOrizzontale;
    scriviRighe(blocco,
                AdattaTesto(QStringLiteral("Camera"), colonnaCamera_ - 2 * kSpazioOrizzontale,
                            {kPuntiLegenda, kPuntiMinimi, 1}, true, misura_),
                kMargine + kSpazioOrizzontale, alto, kPuntiGiorni, true);
    const Settimana& settimana = tableau_.settimana;
    for (int d = 1; d <= 7; ++d) {
        const double x = xGiorno(d) + kSpazioOrizzontale;
        const QString nome = nomeDelGiorno(d);
        scriviRighe(blocco, AdattaTesto(nome, spazio, unaRiga, true, misura_), x, alto,
                    kPuntiGiorni, true);
        scriviRighe(blocco, AdattaTesto(settimana.dataMostrata(d), spazio, unaRiga, false, misura_),
                    x, alto + linea(kPuntiGiorni), kPuntiGiorni, false);
    }
    blocco.altezza = 2 * kSpazioVerticale + 2 * linea(kPuntiGiorni);
    return blocco;
}

void Impaginatore::legenda(PaginaGrafico& pagina) const {
    const double base = foglio_.height() - kMargine - misura_.discesa(kPuntiLegenda);
    const double alto = base - misura_.ascesa(kPuntiLegenda);
    const double altezza = misura_.ascesa(kPuntiLegenda) + misura_.discesa(kPuntiLegenda);
    const double segno = kSegnoPerPunto * kPuntiLegenda;
    double x = kMargine;
    const struct {
        Stato stato;
        const char16_t* testo;
    } voci[] = {
        {Stato::Registrati, u"ospiti registrati"},
        {Stato::Prenotata, u"prenotazione"},
        {Stato::Confermata, u"prenotazione confermata"},
    };
    for (const auto& voce : voci) {
        const QRectF campione(x, alto, 22, altezza);
        pagina.campiture.push_back(
            {campione, QRectF(campione.right() - 2 - segno, base - segno, segno, segno),
             voce.stato});
        pagina.tratti.push_back({QLineF(campione.topLeft(), campione.topRight()), kTrattoInterno});
        pagina.tratti.push_back(
            {QLineF(campione.bottomLeft(), campione.bottomRight()), kTrattoInterno});
        pagina.tratti.push_back(
            {QLineF(campione.topLeft(), campione.bottomLeft()), kTrattoInterno});
        pagina.tratti.push_back(
            {QLineF(campione.topRight(), campione.bottomRight()), kTrattoInterno});
        x = campione.right() + 3;
        const QString testo = QString::fromUtf16(voce.testo);
        pagina.scritte.push_back({QPointF(x, base), testo, kPuntiLegenda, false});
        x += misura_.larghezza(testo, kPuntiLegenda, false) + 12;
    }
    // What a cell holds, in the room left on the line.
    Blocco spiegazione;
    scriviRighe(spiegazione,
                AdattaTesto(QStringLiteral("nome e persone (pax), numero di prenotazione o del "
                                           "cliente e ditta"),
                            kMargine + larghezza_ - x, {kPuntiLegenda, kPuntiMinimi, 1}, false,
                            misura_),
                x, alto, kPuntiLegenda, false);
    pagina.scritte.insert(pagina.scritte.end(), spiegazione.scritte.begin(),
                          spiegazione.scritte.end());
}

void Impaginatore::griglia(PaginaGrafico& pagina, double alto, double basso, double fineColonne,
                           const std::vector<double>& separatori) const {
    const double sinistra = kMargine;
    const double destra = kMargine + larghezza_;
    pagina.tratti.push_back({QLineF(sinistra, alto, destra, alto), kTrattoEsterno});
    pagina.tratti.push_back({QLineF(sinistra, altoCorpo_, destra, altoCorpo_), kTrattoEsterno});
    pagina.tratti.push_back({QLineF(sinistra, basso, destra, basso), kTrattoEsterno});
    for (const double y : separatori)
        pagina.tratti.push_back({QLineF(sinistra, y, destra, y), kTrattoInterno});
    pagina.tratti.push_back({QLineF(sinistra, alto, sinistra, basso), kTrattoEsterno});
    pagina.tratti.push_back({QLineF(destra, alto, destra, basso), kTrattoEsterno});
    for (int d = 1; d <= 7; ++d)
        pagina.tratti.push_back({QLineF(xGiorno(d), alto, xGiorno(d), fineColonne),
                                 d == 1 ? kTrattoEsterno : kTrattoInterno});
}

PianoGrafico Impaginatore::impagina() const {
    // The largest text that gives as few sheets as the smallest text does.
    std::vector<std::vector<Fila>> prove;
    std::size_t fogliMinimi = std::numeric_limits<std::size_t>::max();
    for (double punti = kCorpoMassimo; punti >= kPuntiMinimi - 1e-9; punti -= kPassoCorpo) {
        prove.push_back(file(punti));
        fogliMinimi = std::min(fogliMinimi, pagine(prove.back()).size());
    }
    std::size_t scelta = 0;
    while (pagine(prove[scelta]).size() > fogliMinimi)
        ++scelta;

    PianoGrafico piano;
    piano.foglio = foglio_;
    piano.corpo = kCorpoMassimo - kPassoCorpo * static_cast<double>(scelta);
    const std::vector<Fila>& file = prove[scelta];
    const std::vector<std::vector<std::size_t>> fogli = pagine(file);
    const Blocco testata = testataGiorni();
    for (std::size_t n = 0; n < fogli.size(); ++n) {
        PaginaGrafico& pagina = piano.pagine.emplace_back();
        Blocco alto = intestazione(static_cast<int>(n + 1), static_cast<int>(fogli.size()));
        pagina.scritte = std::move(alto.scritte);
        pagina.scritte.insert(pagina.scritte.end(), testata.scritte.begin(), testata.scritte.end());
        pagina.corpo = QRectF(kMargine, altoCorpo_, larghezza_, bassoCorpo_ - altoCorpo_);
        std::vector<double> separatori;
        double y = altoCorpo_;
        for (const std::size_t i : fogli[n]) {
            Blocco contenuto = file[i].contenuto;
            contenuto.sposta(0, y);
            const QRectF riga(kMargine, y, larghezza_, contenuto.altezza);
            pagina.righe.push_back(riga);
            for (int d = 1; d <= 7; ++d) {
                const Stato stato = file[i].stati[static_cast<std::size_t>(d - 1)];
                if (stato == Stato::Libera)
                    continue;
                const QRectF riquadro(xGiorno(d), y, colonnaGiorno_, contenuto.altezza);
                const double segno = kSegnoPerPunto * piano.corpo;
                const double baseNome = y + kSpazioVerticale + misura_.ascesa(piano.corpo);
                pagina.campiture.push_back({riquadro,
                                            QRectF(riquadro.right() - kSpazioOrizzontale - segno,
                                                   baseNome - segno, segno, segno),
                                            stato});
            }
            pagina.scritte.insert(pagina.scritte.end(), contenuto.scritte.begin(),
                                  contenuto.scritte.end());
            y += contenuto.altezza;
            if (i != fogli[n].back())
                separatori.push_back(y);
        }
        const double fineColonne = y;
        if (fogli[n].empty()) {
            Blocco avviso;
            y += 2 * kSpazioVerticale +
                 scriviRighe(avviso,
                             AdattaTesto(QStringLiteral("Nessuna camera da mostrare: il tableau "
                                                        "non ha camere nell'intervallo richiesto."),
                                         larghezza_ - 2 * kSpazioOrizzontale,
                                         {kPuntiSottotitolo, kPuntiMinimi, 2}, true, misura_),
                             kMargine + kSpazioOrizzontale, y + kSpazioVerticale, kPuntiSottotitolo,
                             true);
            pagina.scritte.insert(pagina.scritte.end(), avviso.scritte.begin(),
                                  avviso.scritte.end());
        }
        griglia(pagina, altoTabella_, y, fineColonne, separatori);
        legenda(pagina);
    }
    return piano;
}

} // namespace

double PianoGrafico::puntiMinimi() const {
    double minimi = std::numeric_limits<double>::max();
    for (const PaginaGrafico& pagina : pagine) {
        for (const Scritta& scritta : pagina.scritte)
            minimi = std::min(minimi, scritta.punti);
    }
    return minimi;
}

PianoGrafico ImpaginaGrafico(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                             const MisuraTesto& misura) {
    return Impaginatore(tableau, foglio, misura).impagina();
}
