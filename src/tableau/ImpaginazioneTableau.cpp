#include "tableau/ImpaginazioneTableau.h"

#include "routines/Calendario.h"
#include "tableau/RegoleCampi.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <utility>

namespace ImpaginazioneTableau {

namespace {

constexpr char16_t kVerticale = 179;
constexpr char16_t kVerticaleRamoSinistro = 180;
constexpr char16_t kAngoloAltoDestro = 191;
constexpr char16_t kRamoInBasso = 194;
constexpr char16_t kOrizzontale = 196;
constexpr char16_t kCroce = 197;
constexpr int kGiorni = 7;
constexpr int kCella = 17;

// Index (from 0) of frame column k = 0..7.
constexpr qsizetype colonnaCornice(int k) {
    return 5 + 18 * k;
}
// Index of the first column of day d's cell.
constexpr qsizetype inizioCella(int d) {
    return 18 * d - 12;
}

QString cornice(char16_t riempimento, char16_t interno, char16_t ultimo) {
    QString riga(kLarghezza, QChar(riempimento));
    for (int k = 0; k < kGiorni; ++k)
        riga[colonnaCornice(k)] = QChar(interno);
    riga[colonnaCornice(kGiorni)] = QChar(ultimo);
    return riga;
}

QString telaioVuoto() {
    return cornice(u' ', kVerticale, kVerticale);
}

void giunta(QString& riga, qsizetype inizio, const QString& testo) {
    riga.replace(inizio, testo.size(), testo);
}

// The characters of a cell, written in place into a line, at most as many as
// the cell holds: what goes past its end is cut.
class Cella {
  public:
    Cella(QString& riga, qsizetype inizio, qsizetype larghezza)
        : dove_(riga.data() + inizio), fine_(dove_ + larghezza) {}

    void metti(QChar c) {
        if (dove_ < fine_)
            *dove_++ = c;
    }
    void spazi(qsizetype quanti) {
        for (; quanti > 0; --quanti)
            metti(u' ');
    }
    void metti(std::string_view cifre) {
        for (const char c : cifre)
            metti(QLatin1Char(c));
    }
    // A field of n columns: the first n characters of the text as a line
    // shows them, without blanks at the ends, then blanks to n.
    void campo(const QString& testo, qsizetype n) {
        const auto [inizio, fine] = parteVisibile(testo, n);
        scrivi(testo, inizio, fine);
        spazi(n - (fine - inizio));
    }
    // The same, the blanks first.
    void campoADestra(const QString& testo, qsizetype n) {
        const auto [inizio, fine] = parteVisibile(testo, n);
        spazi(n - (fine - inizio));
        scrivi(testo, inizio, fine);
    }

  private:
    // Where the shown part of the first n characters begins and ends.
    static std::pair<qsizetype, qsizetype> parteVisibile(const QString& testo, qsizetype n) {
        qsizetype inizio = 0;
        qsizetype fine = std::min(n, testo.size());
        while (inizio < fine && CarattereVisibile(testo[inizio]) == u' ')
            ++inizio;
        while (fine > inizio && CarattereVisibile(testo[fine - 1]) == u' ')
            --fine;
        return {inizio, fine};
    }
    void scrivi(const QString& testo, qsizetype inizio, qsizetype fine) {
        for (qsizetype i = inizio; i < fine; ++i)
            metti(CarattereVisibile(testo[i]));
    }

    QChar* dove_;
    QChar* const fine_;
};

// A number's decimal digits, none for 0 when `zeroVuoto`.
class Cifre {
  public:
    Cifre(std::int64_t numero, bool zeroVuoto) {
        if (!(zeroVuoto && numero == 0))
            quante_ = static_cast<std::size_t>(
                std::to_chars(byte_.data(), byte_.data() + byte_.size(), numero).ptr -
                byte_.data());
    }
    std::string_view testo() const { return {byte_.data(), quante_}; }
    qsizetype quante() const { return static_cast<qsizetype>(quante_); }

  private:
    std::array<char, 24> byte_{};
    std::size_t quante_ = 0;
};

// Number and company, 17 columns. A number of more than five characters
// takes the room it needs from the company.
void cellaNumero(Cella cella, std::int64_t numero, const QString& ditta) {
    const Cifre cifre(numero, true);
    if (cifre.quante() <= 5)
        cella.spazi(5 - cifre.quante());
    cella.metti(cifre.testo());
    cella.metti(u' ');
    cella.campo(ditta, 11);
}

// Name and persons, 17 columns: the name in 14, then one blank, the count
// and one blank. A count of two digits takes the last blank, a longer one
// takes the room it needs from the name.
void cellaNome(Cella cella, const QString& nome, std::int64_t persone) {
    if (persone == 0) {
        cella.campo(nome, 14);
        cella.spazi(3);
        return;
    }
    const Cifre cifre(persone, false);
    cella.campo(nome, std::clamp<qsizetype>(kCella - 1 - cifre.quante(), 0, 14));
    cella.metti(u' ');
    cella.metti(cifre.testo());
    cella.spazi(1);
}

} // namespace

QString RigaTitolo(const Intestazione& intestazione, const QString& data,
                   const QDateTime& momento) {
    QString titolo = QStringLiteral(" Hotel : ");
    if (intestazione.hotel) {
        titolo += TestoVisibile(*intestazione.hotel).left(45).leftJustified(45, u' ');
        titolo += QStringLiteral(" Tableau Settimanale : ");
        // 24 characters are left for the tableau's name.
        if (intestazione.tableau)
            titolo += SenzaSpazi(TestoVisibile(*intestazione.tableau)).left(24) +
                      QStringLiteral(" dal ") + data;
    }
    return titolo.left(116).leftJustified(116, u' ') +
           momento.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString BordoSuperiore() {
    return cornice(kOrizzontale, kRamoInBasso, kAngoloAltoDestro);
}

QString Separatore() {
    return cornice(kOrizzontale, kCroce, kVerticaleRamoSinistro);
}

QString RigaNomiGiorni(int giornoSettimana) {
    QString riga = telaioVuoto();
    for (int d = 1; d <= kGiorni; ++d)
        Cella(riga, inizioCella(d) + 1, 16)
            .campo(kNomiGiorni[static_cast<std::size_t>((giornoSettimana + d - 1) % 7)], 16);
    return riga;
}

QString RigaDate(const Settimana& settimana) {
    QString riga = telaioVuoto();
    for (int d = 1; d <= kGiorni; ++d)
        giunta(riga, inizioCella(d) + 1, settimana.dataMostrata(d).leftJustified(16, u' '));
    return riga;
}

QString PrimaRigaCamera(const QString& camera, const GiorniCamera& giorni) {
    QString riga = telaioVuoto();
    Cella(riga, 0, 5).campoADestra(camera, 5);
    for (int d = 1; d <= kGiorni; ++d) {
        const GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        cellaNumero(Cella(riga, inizioCella(d), kCella), g.numeroGiorno,
                    g.prenotato ? g.dittePrenotazioni : g.ditteClienti);
    }
    return riga;
}

QString SecondaRigaCamera(const GiorniCamera& giorni) {
    QString riga = telaioVuoto();
    for (int d = 1; d <= kGiorni; ++d) {
        const GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        const Cella cella(riga, inizioCella(d), kCella);
        if (g.confermato)
            cellaNome(cella, g.nomiPrenotazioni, g.personePrenotazioni);
        else
            cellaNome(cella, g.nomiClienti, g.personeClienti);
    }
    return riga;
}

} // namespace ImpaginazioneTableau
