#include "tableau/ImpaginazioneTableau.h"

#include "routines/Calendario.h"
#include "tableau/RegoleCampi.h"

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

// The first n characters of a text, without blanks at the ends, filled with
// blanks to n.
QString campo(const QString& testo, qsizetype n) {
    return SenzaSpazi(TestoVisibile(testo).left(n)).leftJustified(n, u' ');
}

void giunta(QString& riga, qsizetype inizio, const QString& testo) {
    riga.replace(inizio, testo.size(), testo);
}

// Number and company, 17 columns. A number of more than five characters
// takes the room it needs from the company.
QString cellaNumero(std::int64_t numero, const QString& ditta) {
    const QString cifre = numero == 0 ? QString() : QString::number(numero);
    if (cifre.size() <= 5)
        return cifre.rightJustified(5, u' ') + u' ' + campo(ditta, 11);
    return (cifre + u' ' + campo(ditta, 11)).left(kCella);
}

// Name and persons, 17 columns: the name in 14, then one blank, the count
// and one blank. A count of two digits takes the last blank, a longer one
// takes the room it needs from the name.
QString cellaNome(const QString& nome, std::int64_t persone) {
    if (persone == 0)
        return campo(nome, 14) + QStringLiteral("   ");
    const QString cifre = QString::number(persone);
    if (cifre.size() == 1)
        return campo(nome, 14) + u' ' + cifre + u' ';
    const qsizetype spazioNome = std::max<qsizetype>(0, kCella - 1 - cifre.size());
    return (campo(nome, std::min<qsizetype>(14, spazioNome)) + u' ' + cifre).left(kCella);
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
        giunta(riga, inizioCella(d) + 1,
               campo(kNomiGiorni[static_cast<std::size_t>((giornoSettimana + d - 1) % 7)], 16));
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
    giunta(riga, 0, SenzaSpazi(TestoVisibile(camera).left(5)).rightJustified(5, u' '));
    for (int d = 1; d <= kGiorni; ++d) {
        const GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        giunta(riga, inizioCella(d),
               cellaNumero(g.numeroGiorno, g.prenotato ? g.dittePrenotazioni : g.ditteClienti));
    }
    return riga;
}

QString SecondaRigaCamera(const GiorniCamera& giorni) {
    QString riga = telaioVuoto();
    for (int d = 1; d <= kGiorni; ++d) {
        const GiornoCamera& g = giorni[static_cast<std::size_t>(d - 1)];
        giunta(riga, inizioCella(d),
               g.confermato ? cellaNome(g.nomiPrenotazioni, g.personePrenotazioni)
                            : cellaNome(g.nomiClienti, g.personeClienti));
    }
    return riga;
}

} // namespace ImpaginazioneTableau
