// Damaged, truncated and foreign files: every one must raise an archive Errore
// naming the file, or read normally when the damage misses what is read;
// never crash or read outside the file (this suite also runs under
// AddressSanitizer).

#include "prove/archivi/CampioniAccess.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/FilaLetture.h"
#include "archivi/FileJet.h"
#include "archivi/PagineJet.h"
#include "archivi/RigheJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "mdbwriter/ScrittoreMdb.h"
#include "routines/Errore.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace jet;

namespace {

QByteArray campione(const QString& nome) {
    QFile file(CampioniAccess::carica().cartella + u'/' + nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the file and reads every table; the error message, or an empty text
// when everything could be read.
QString leggiTutto(const QString& percorso) {
    try {
        const FileJet file(percorso);
        for (const QString& tabella : file.tabelle()) {
            (void)file.campi(tabella);
            (void)file.leggi(tabella);
        }
        return {};
    } catch (const Errore& errore) {
        return errore.messaggio();
    }
}

class FileDanneggiato : public ::testing::Test {
  protected:
    // Writes `contenuto` as Prova.mdb and reads it; when it fails, the
    // message must name the file.
    QString prova(const QByteArray& contenuto) {
        cartella_.scrivi(QStringLiteral("Prova.mdb"), contenuto);
        const QString errore = leggiTutto(cartella_.percorso(QStringLiteral("Prova.mdb")));
        if (!errore.isEmpty()) {
            EXPECT_TRUE(errore.contains(u"Prova.mdb")) << errore.toStdString();
        }
        return errore;
    }

    CartellaDiProva cartella_;
};

// Byte offset of page `n` in a file.
qsizetype inizioPagina(const PagineJet& pagine, std::uint32_t n) {
    return static_cast<qsizetype>(n) * static_cast<qsizetype>(pagine.formato().pagina);
}

void scriviU16(QByteArray& byte, qsizetype dove, std::uint16_t valore) {
    byte[dove] = static_cast<char>(valore & 0xFF);
    byte[dove + 1] = static_cast<char>(valore >> 8);
}

void scriviU32(QByteArray& byte, qsizetype dove, std::uint32_t valore) {
    for (int i = 0; i < 4; ++i)
        byte[dove + i] = static_cast<char>((valore >> (8 * i)) & 0xFF);
}

} // namespace

TEST_F(FileDanneggiato, FileCheNonSonoDatabase) {
    EXPECT_TRUE(prova(QByteArray()).startsWith(u"Archivio non valido: Prova.mdb"));
    EXPECT_TRUE(prova("Questo non è un archivio Access.\r\n").startsWith(u"Archivio non valido"));
    EXPECT_TRUE(prova(QByteArray(4096 * 4, '\0')).startsWith(u"Archivio non valido"));
    std::mt19937 caso(7);
    for (int dimensione : {1, 100, 2048, 4096, 40000}) {
        QByteArray byte(dimensione, Qt::Uninitialized);
        for (char& b : byte)
            b = static_cast<char>(caso());
        EXPECT_FALSE(prova(byte).isEmpty()) << dimensione;
    }
}

TEST_F(FileDanneggiato, UnaCartellaAlPostoDelFile) {
    QDir(cartella_.percorso()).mkdir(QStringLiteral("Cartella.mdb"));
    const QString errore = leggiTutto(cartella_.percorso(QStringLiteral("Cartella.mdb")));
    EXPECT_TRUE(errore.contains(u"Cartella.mdb")) << errore.toStdString();
}

// A valid header followed by garbage passes the signature check and must be
// caught by the structure checks.
TEST_F(FileDanneggiato, IntestazioneValidaSeguitaDaByteACaso) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    std::mt19937 caso(11);
    for (const char* nome : {"testV1997.mdb", "testV2000.mdb"}) {
        const QByteArray originale = campione(QString::fromLatin1(nome));
        const qsizetype pagina = originale.at(0x14) == 0 ? 2048 : 4096;
        for (int prove = 0; prove < 20; ++prove) {
            QByteArray byte = originale.left(pagina * (3 + prove));
            for (qsizetype i = pagina; i < byte.size(); ++i)
                byte[i] = static_cast<char>(caso());
            EXPECT_TRUE(prova(byte).startsWith(u"Archivio danneggiato: Prova.mdb"))
                << nome << " " << prove;
        }
    }
}

TEST_F(FileDanneggiato, FileTroncati) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    for (const char* nome :
         {"testV1997.mdb", "overflowTestV2000.mdb", "test2V2000.mdb", "binIdxTestV2010.accdb"}) {
        const QByteArray originale = campione(QString::fromLatin1(nome));
        const qsizetype pagina = originale.at(0x14) == 0 ? 2048 : 4096;
        for (qsizetype lunghezza :
             {qsizetype{1}, qsizetype{20}, pagina - 1, pagina, 3 * pagina - 1, 3 * pagina,
              originale.size() / 2, originale.size() - pagina - 1, originale.size() - 1}) {
            SCOPED_TRACE(std::string(nome) + " troncato a " + std::to_string(lunghezza));
            EXPECT_FALSE(prova(originale.left(lunghezza)).isEmpty());
        }
        // Cut at every page: the pages past the cut are missing, which is
        // damage as soon as anything read refers to them.
        for (qsizetype pagine = 3; pagine * pagina < originale.size(); pagine += 3)
            prova(originale.left(pagine * pagina));
    }
}

// Each page in turn replaced by random bytes.
TEST_F(FileDanneggiato, OgniPaginaSostituitaDaByteACaso) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    std::mt19937 caso(13);
    for (const char* nome : {"compIndexTestV1997.mdb", "overflowTestV2000.mdb", "test2V1997.mdb",
                             "delTestV2003.mdb"}) {
        const QByteArray originale = campione(QString::fromLatin1(nome));
        const qsizetype pagina = originale.at(0x14) == 0 ? 2048 : 4096;
        for (qsizetype inizio = pagina; inizio < originale.size(); inizio += pagina) {
            QByteArray byte = originale;
            for (qsizetype i = inizio; i < inizio + pagina; ++i)
                byte[i] = static_cast<char>(caso());
            prova(byte);
        }
    }
}

// The pages a full read goes through: definitions, usage maps and data
// pages of the catalog and of every table.
std::vector<std::uint32_t> pagineLette(const PagineJet& pagine) {
    std::vector<std::uint32_t> lette;
    const auto aggiungi = [&](std::uint32_t tdef) {
        const DefinizioneJet definizione = LeggiDefinizione(pagine, tdef);
        lette.push_back(tdef);
        lette.push_back(definizione.mappa >> 8);
        for (const std::uint32_t n : PagineDati(pagine, definizione))
            lette.push_back(n);
    };
    aggiungi(2);
    for (const VoceCatalogo& voce : LeggiCatalogo(pagine))
        aggiungi(voce.pagina);
    return lette;
}

// Random bytes changed here and there in the pages a read goes through.
TEST_F(FileDanneggiato, ByteAlteratiQuaELa) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    std::mt19937 caso(17);
    for (const char* nome :
         {"testV1997.mdb", "overflowTestV2000.mdb", "testUnicodeCompV2003.mdb", "test2V1997.mdb",
          "testIndexPropertiesV2003.mdb", "binIdxTestV2010.accdb"}) {
        const QString file = QString::fromLatin1(nome);
        const QByteArray originale = campione(file);
        const PagineJet pagine(campioni.cartella + u'/' + file, file);
        const std::vector<std::uint32_t> lette = pagineLette(pagine);
        int errori = 0;
        for (int prove = 0; prove < 120; ++prove) {
            QByteArray byte = originale;
            const int alterazioni = 1 + static_cast<int>(caso() % 8);
            for (int k = 0; k < alterazioni; ++k) {
                const std::uint32_t pagina = lette[caso() % lette.size()];
                byte[inizioPagina(pagine, pagina) +
                     static_cast<qsizetype>(caso() % pagine.formato().pagina)] =
                    static_cast<char>(caso());
            }
            errori += !prova(byte).isEmpty();
        }
        EXPECT_GT(errori, 0) << nome; // the damage reaches the checks
    }
}

// Damage placed on purpose where a reader that trusts the file goes astray.
TEST_F(FileDanneggiato, StruttureIncoerenti) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QString nome = QStringLiteral("overflowTestV2000.mdb");
    const QByteArray originale = campione(nome);
    const PagineJet pagine(campioni.cartella + u'/' + nome, nome);
    const FormatoJet& f = pagine.formato();
    std::uint32_t tdef = 0;
    for (const VoceCatalogo& voce : LeggiCatalogo(pagine)) {
        if (voce.nome == u"Table1")
            tdef = voce.pagina;
    }
    ASSERT_NE(tdef, 0u);
    const DefinizioneJet definizione = LeggiDefinizione(pagine, tdef);
    const std::vector<std::uint32_t> dati = PagineDati(pagine, definizione);
    ASSERT_FALSE(dati.empty());
    const qsizetype primaDati = inizioPagina(pagine, dati.front());
    const auto slot = [&](qsizetype pagina, int n) {
        return pagina + static_cast<qsizetype>(f.numeroRighe) + 2 + 2 * n;
    };

    {
        SCOPED_TRACE("definizione che rimanda a sé stessa");
        QByteArray byte = originale;
        scriviU32(byte, inizioPagina(pagine, tdef) + 4, tdef);
        EXPECT_TRUE(prova(byte).contains(u"senza fine"));
    }
    {
        SCOPED_TRACE("mappa delle pagine di tipo sconosciuto");
        PaginaJet pagina;
        const ByteJet mappa = righe::datiA(pagine, definizione.mappa, pagina);
        const ByteJet paginaMappa = pagine.pagina(definizione.mappa >> 8, pagina);
        QByteArray byte = originale;
        byte[inizioPagina(pagine, definizione.mappa >> 8) + (mappa.data() - paginaMappa.data())] =
            7;
        EXPECT_TRUE(prova(byte).contains(u"mappa"));
    }
    {
        SCOPED_TRACE("numero di righe oltre la pagina");
        QByteArray byte = originale;
        scriviU16(byte, primaDati + static_cast<qsizetype>(f.numeroRighe), 0xFFFF);
        EXPECT_FALSE(prova(byte).isEmpty());
    }
    {
        SCOPED_TRACE("riga che comincia dentro l'intestazione della pagina");
        QByteArray byte = originale;
        scriviU16(byte, slot(primaDati, 0), 4);
        EXPECT_FALSE(prova(byte).isEmpty());
    }
    {
        SCOPED_TRACE("riga più lunga della pagina");
        QByteArray byte = originale;
        scriviU16(byte, slot(primaDati, 1), static_cast<std::uint16_t>(f.pagina + 100));
        EXPECT_FALSE(prova(byte).isEmpty());
    }
    {
        SCOPED_TRACE("rimando a righe spostate fuori dal file o su altre pagine");
        // Find the first pointer slot (0x4000 alone) of the table.
        for (const std::uint32_t n : dati) {
            PaginaJet pagina;
            const ByteJet vista = pagine.pagina(n, pagina);
            for (std::uint16_t s = 0; s < righe::numero(f, vista); ++s) {
                if ((righe::opzioni(f, vista, s) & 0xC000) != righe::kRimando)
                    continue;
                const qsizetype puntatore =
                    inizioPagina(pagine, n) + (righe::dati(f, vista, s).data() - vista.data());
                for (const std::uint32_t destinazione :
                     {(pagine.numeroPagine() + 5) << 8, tdef << 8, (n << 8) | 0xFE, 0u}) {
                    QByteArray byte = originale;
                    scriviU32(byte, puntatore, destinazione);
                    EXPECT_FALSE(prova(byte).isEmpty()) << destinazione;
                }
                QByteArray byte = originale;
                scriviU32(byte, puntatore, (n << 8) | s); // a pointer to itself
                EXPECT_TRUE(prova(byte).contains(u"troppo lunga"));
                return;
            }
        }
        ADD_FAILURE() << "nessuna riga spostata trovata";
    }
}

// A memo or OLE value in a chain of parts on other pages: the chain cut
// short, looping on itself, or pointing outside the file.
TEST_F(FileDanneggiato, CatenaDiUnValoreLungo) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QString nome = QStringLiteral("test2V1997.mdb");
    const QByteArray originale = campione(nome);
    const PagineJet pagine(campioni.cartella + u'/' + nome, nome);
    std::uint32_t tdef = 0;
    for (const VoceCatalogo& voce : LeggiCatalogo(pagine)) {
        if (voce.nome == u"MSP_PROJECTS")
            tdef = voce.pagina;
    }
    const DefinizioneJet definizione = LeggiDefinizione(pagine, tdef);
    ScomposizioneRiga scomposizione(pagine.formato(), definizione);
    std::uint32_t primaParte = 0;
    righe::Percorri(pagine, definizione, [&](ByteJet riga) {
        const std::vector<CampoJet>& campi = scomposizione.scomponi(riga);
        for (std::size_t i = 0; i < campi.size(); ++i) {
            if (definizione.colonne[i].tipo == TipoColonna::Ole && campi[i].bit &&
                campi[i].byte.u8(3) == 0)
                primaParte = campi[i].byte.u32(4);
        }
    });
    ASSERT_NE(primaParte, 0u) << "nessun valore lungo a più parti";
    PaginaJet pagina;
    const ByteJet parte = righe::datiA(pagine, primaParte, pagina);
    const qsizetype seguente = inizioPagina(pagine, primaParte >> 8) +
                               (parte.data() - pagine.pagina(primaParte >> 8, pagina).data());
    const struct {
        std::uint32_t destinazione;
        const char16_t* errore;
    } casi[] = {{0, u"interrotto"},
                {primaParte, u"sé stesso"},
                {(pagine.numeroPagine() + 1) << 8, u"fuori dal file"}};
    for (const auto& caso : casi) {
        QByteArray byte = originale;
        scriviU32(byte, seguente, caso.destinazione);
        const QString errore = prova(byte);
        EXPECT_TRUE(errore.contains(QStringView(caso.errore))) << errore.toStdString();
    }
}

// A file on a share cut short after it was opened, while the rest of its
// start is still to be read: the pages past the cut are damage when they are
// wanted, even while other files have the turn to read, and the pages read
// before it stay readable.
TEST_F(FileDanneggiato, FileAccorciatoDopoLApertura) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    const QByteArray originale = campione(QStringLiteral("testV2007.accdb"));
    constexpr qsizetype kTaglio = 128 * 1024;
    ASSERT_GT(originale.size(), 2 * kTaglio);
    cartella_.scrivi(QStringLiteral("Prova.accdb"), originale);
    const QString percorso = cartella_.percorso(QStringLiteral("Prova.accdb"));
    const auto fila = std::make_shared<FilaLetture>();
    const FilaLetture::Turno primoDellaFila(fila, 0);
    const PagineJet pagine(percorso, QStringLiteral("Prova.accdb"), false, true, {fila, 1});
    ASSERT_TRUE(QFile::resize(percorso, kTaglio));
    PaginaJet appoggio;
    const auto ultima = pagine.numeroPagine() - 1;
    EXPECT_THROW((void)pagine.pagina(ultima, appoggio), DannoJet);
    EXPECT_EQ(pagine.pagina(2, appoggio).size(), pagine.formato().pagina);
}

// A walk through a large file's pages with several requests on their way at
// once, as on a share: each page is handed over with its own bytes, in order,
// whatever buffer it came through; a file cut short meanwhile gives damage
// from the walk, after the pages before the cut, and the walk's readers stop.
TEST_F(FileDanneggiato, PercorsoConPiuRichiesteInVolo) {
    ScrittoreMdb scrittore;
    scrittore.tabella(QStringLiteral("T")).colonna(QStringLiteral("N"), TipoJet::Lungo).riga({1});
    QByteArray contenuto = scrittore.contenuto();
    constexpr qsizetype kPagina = 4096;
    constexpr std::uint32_t kPagine = 1200;
    const auto prima = static_cast<std::uint32_t>(contenuto.size() / kPagina);
    contenuto.resize(kPagine * kPagina);
    for (std::uint32_t n = prima; n < kPagine; ++n)
        scriviU32(contenuto, n * kPagina, n);
    cartella_.scrivi(QStringLiteral("Prova.mdb"), contenuto);
    const QString percorso = cartella_.percorso(QStringLiteral("Prova.mdb"));
    const PagineJet pagine(percorso, QStringLiteral("Prova.mdb"), false, true);

    // Every other page from 600 on, then a run of every page to the end.
    std::vector<std::uint32_t> numeri;
    for (std::uint32_t n = 600; n < kPagine; n += n < 900 ? 2 : 1)
        numeri.push_back(n);
    const auto marca = [](ByteJet byte) { return byte.u32(0); };
    std::vector<std::uint32_t> visti;
    PaginaJet appoggio;
    pagine.percorri(
        numeri,
        [&](std::uint32_t n, ByteJet byte) {
            if (marca(byte) != n)
                ADD_FAILURE() << "pagina " << n << " con i byte della " << marca(byte);
            visti.push_back(n);
            // The pages on either side, as a row asks for its long values: those
            // between the pages walked are read with them and kept.
            for (const std::uint32_t vicina : {n - 1, n + 1}) {
                if (vicina < kPagine && marca(pagine.pagina(vicina, appoggio)) != vicina)
                    ADD_FAILURE() << "pagina " << vicina << " chiesta dalla " << n;
            }
        },
        [](ByteJet) { return true; });
    EXPECT_EQ(visti, numeri);

    constexpr std::uint32_t kTaglio = 1000;
    ASSERT_TRUE(QFile::resize(percorso, kTaglio * kPagina));
    visti.clear();
    EXPECT_THROW(pagine.percorri(numeri,
                                 [&](std::uint32_t n, ByteJet byte) {
                                     EXPECT_EQ(marca(byte), n);
                                     visti.push_back(n);
                                 }),
                 DannoJet);
    ASSERT_FALSE(visti.empty());
    EXPECT_LT(visti.back(), kTaglio);
}
