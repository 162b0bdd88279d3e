#include "vistastampa/ComponiBlocco.h"

#include "vistastampa/BloccoDiStampa.h"

#include "routines/TestoAnsi.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

const QByteArray kCrLf("\r\n");

// Beyond this many line pairs (a block of thousands of short lines edited
// all over) unchanged lines are only looked for at the top and bottom.
constexpr qsizetype kMassimoConfronti = 4'000'000;

// A line as it is compared: once the user edits, a text box may hand a
// no-break space back as an ordinary one, and the eye cannot tell them apart.
QString Confronto(const QString& riga) {
    return QString(riga).replace(QChar::Nbsp, u' ');
}

// An edited line written over the line it replaces: the characters that
// still agree with the original at the start and at the end take the
// original bytes back. `vista` and `confronto` are the original and the
// edited line as compared, `modificata` the edited line as typed.
QByteArray Ricomponi(const QByteArray& originale, const QString& vista, const QString& confronto,
                     const QString& modificata) {
    const qsizetype massimo = std::min(vista.size(), confronto.size());
    qsizetype testa = 0;
    while (testa < massimo && vista[testa] == confronto[testa])
        ++testa;
    qsizetype coda = 0;
    while (coda < massimo - testa &&
           vista[vista.size() - 1 - coda] == confronto[confronto.size() - 1 - coda])
        ++coda;
    return originale.left(testa) + InAnsi(modificata.mid(testa, modificata.size() - testa - coda)) +
           originale.right(coda);
}

// Pairs every edited line with the shown line it stands for (-1 for a line
// the user added). Lines left as shown are matched first: the common top and
// bottom, then the longest run of equal lines in between (when the middle is
// small enough to compare every pair). Lines still unpaired between two
// matches are paired in order, as edits of each other.
QList<qsizetype> Abbina(const QStringList& viste, const QStringList& modificate) {
    const qsizetype n = viste.size();
    const qsizetype m = modificate.size();
    QList<qsizetype> origine(m, -1);
    qsizetype testa = 0;
    while (testa < n && testa < m && viste[testa] == modificate[testa]) {
        origine[testa] = testa;
        ++testa;
    }
    qsizetype coda = 0;
    while (coda < n - testa && coda < m - testa &&
           viste[n - 1 - coda] == modificate[m - 1 - coda]) {
        origine[m - 1 - coda] = n - 1 - coda;
        ++coda;
    }

    // Longest common subsequence of the middle, by the classic table of
    // suffix lengths.
    const qsizetype righe = n - testa - coda;
    const qsizetype colonne = m - testa - coda;
    if (righe > 0 && colonne > 0 && righe * colonne <= kMassimoConfronti) {
        std::vector<std::int32_t> lunghezza(static_cast<std::size_t>((righe + 1) * (colonne + 1)),
                                            0);
        auto cella = [&](qsizetype r, qsizetype c) -> std::int32_t& {
            return lunghezza[static_cast<std::size_t>(r * (colonne + 1) + c)];
        };
        for (qsizetype r = righe - 1; r >= 0; --r) {
            for (qsizetype c = colonne - 1; c >= 0; --c) {
                cella(r, c) = viste[testa + r] == modificate[testa + c]
                                  ? cella(r + 1, c + 1) + 1
                                  : std::max(cella(r + 1, c), cella(r, c + 1));
            }
        }
        qsizetype r = 0;
        qsizetype c = 0;
        while (r < righe && c < colonne) {
            if (viste[testa + r] == modificate[testa + c]) {
                origine[testa + c] = testa + r;
                ++r;
                ++c;
            } else if (cella(r + 1, c) >= cella(r, c + 1)) {
                ++r;
            } else {
                ++c;
            }
        }
    }

    // Between two matched lines, the unpaired lines on both sides in order.
    qsizetype prossimaOrigine = 0;
    for (qsizetype i = 0; i < m;) {
        if (origine[i] >= 0) {
            prossimaOrigine = origine[i] + 1;
            ++i;
            continue;
        }
        qsizetype fine = i;
        while (fine < m && origine[fine] < 0)
            ++fine;
        const qsizetype limite = fine < m ? origine[fine] : n;
        for (qsizetype o = prossimaOrigine; i < fine && o < limite; ++i, ++o)
            origine[i] = o;
        i = fine;
    }
    return origine;
}

} // namespace

QStringList RigheDelTesto(const QString& testo) {
    static const QRegularExpression kFineRiga(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    QStringList righe = testo.split(kFineRiga);
    // The piece after the last line end, or the whole of an empty text.
    if (righe.back().isEmpty())
        righe.removeLast();
    return righe;
}

QList<RigaLetta> ComponiBlocco(const QList<RigaLetta>& originali, const QString& testoVista) {
    const QStringList modificate = RigheDelTesto(testoVista);
    QStringList confrontate;
    confrontate.reserve(modificate.size());
    for (const QString& riga : modificate)
        confrontate.append(Confronto(riga));
    QStringList viste;
    viste.reserve(originali.size());
    for (const RigaLetta& riga : originali)
        viste.append(Confronto(RigaInVista(riga.testo)));
    const QList<qsizetype> origine = Abbina(viste, confrontate);

    QList<RigaLetta> risultato;
    risultato.reserve(modificate.size());
    for (qsizetype i = 0; i < modificate.size(); ++i) {
        const qsizetype o = origine[i];
        if (o < 0)
            risultato.append({InAnsi(modificate[i]), kCrLf});
        else if (viste[o] == confrontate[i])
            risultato.append(originali[o]);
        else
            risultato.append(
                {Ricomponi(originali[o].testo, viste[o], confrontate[i], modificate[i]),
                 originali[o].fine});
    }
    // Only the block's last line may lack a line end (the file's last line
    // written without one); any other line needs one not to join the next.
    for (qsizetype i = 0; i + 1 < risultato.size(); ++i) {
        if (risultato[i].fine.isEmpty())
            risultato[i].fine = kCrLf;
    }
    return risultato;
}
