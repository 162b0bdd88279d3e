// Another program rewrites a database in place, page by page, from one
// state to another; held up half way, it leaves a torn file that stands
// still. Every torn state it can leave between two demo states is read here
// at rest: each must read as one of the two states or be seen as pages of
// two states (a usage map listing pages that are not the table's, or
// damage), which the reader waits out as a file being changed.

#include "prove/util/CartellaDiProva.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/FileJet.h"
#include "archivi/RigheJet.h"
#include "demo/GeneraDemo.h"
#include "routines/Errore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <variant>

namespace {

constexpr qsizetype kPagina = 4096;
const QString kNomeTabella = QStringLiteral("Camere_Prenotazione");

QByteArray Demo(std::uint64_t seme) {
    QTemporaryDir cartella;
    OpzioniDemo demo;
    demo.riferimento = QDate(2026, 3, 2);
    demo.cartella = cartella.path();
    demo.seme = seme;
    GeneraDemo(demo);
    QFile file(QDir(cartella.path()).filePath(kNomeTabella + QStringLiteral(".mdb")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the reader makes of the file: the rows of the table, or its message.
using Lettura = std::variant<std::vector<std::vector<Valore>>, QString>;

Lettura Leggi(const QString& percorso) {
    try {
        return FileJet(percorso).leggi(kNomeTabella).righe;
    } catch (const Errore& errore) {
        return errore.messaggio();
    }
}

// Whether the walk of every table's pages finds pages of two states.
bool DueStati(const QString& percorso) {
    const jet::PagineJet pagine(percorso, QStringLiteral("strappato"));
    try {
        for (const jet::VoceCatalogo& voce : jet::LeggiCatalogo(pagine))
            jet::righe::Percorri(pagine, jet::LeggiDefinizione(pagine, voce.pagina),
                                 [](jet::ByteJet) {});
    } catch (const jet::DannoJet&) {
        return true;
    }
    return pagine.paginaEstranea();
}

} // namespace

TEST(StatiStrappati, OgniStatoStrappatoSiVede) {
    CartellaDiProva cartella;
    // As the concurrency test makes them: the shorter completed with empty pages.
    QByteArray a = Demo(1);
    QByteArray b = Demo(2);
    const qsizetype dimensione = std::max(a.size(), b.size());
    a.append(dimensione - a.size(), '\0');
    b.append(dimensione - b.size(), '\0');
    ASSERT_NE(a, b);
    const QString percorso = cartella.percorso(QStringLiteral("strappato.mdb"));
    ScriviARiposo(percorso, a);
    const Lettura letturaA = Leggi(percorso);
    ScriviARiposo(percorso, b);
    const Lettura letturaB = Leggi(percorso);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::vector<Valore>>>(letturaA));
    ASSERT_NE(letturaA, letturaB);

    int strappati = 0, visti = 0;
    for (const auto& [da, verso] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        // Written up to page k of the new state, the rest still the old one.
        for (qsizetype k = 1; k * kPagina < dimensione; ++k) {
            const QByteArray strappato = verso->left(k * kPagina) + da->mid(k * kPagina);
            if (strappato == a || strappato == b)
                continue;
            ++strappati;
            ScriviARiposo(percorso, strappato);
            const Lettura letta = Leggi(percorso);
            const bool dueStati = DueStati(percorso);
            visti += dueStati;
            EXPECT_TRUE(letta == letturaA || letta == letturaB || dueStati)
                << "stato strappato alla pagina " << k << " letto come uno stato intero";
        }
    }
    std::cout << strappati << " stati strappati, " << visti << " visti come due stati\n";
    EXPECT_GT(strappati, 0);
}
