// The pages of a written file walked byte by byte, as the format notes
// describe them, independently of the writer's own code: row-offset flags,
// pointers to moved rows, usage maps, free space, long-value pages.
#include "mdbwriter/ScrittoreMdb.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

constexpr int kPagina = 4096;

class File {
  public:
    explicit File(QByteArray byte) : b_(std::move(byte)) {}
    int pagine() const { return static_cast<int>(b_.size() / kPagina); }
    unsigned u8(int pagina, int offset) const {
        return static_cast<unsigned char>(b_[pagina * kPagina + offset]);
    }
    unsigned u16(int pagina, int offset) const {
        return u8(pagina, offset) | (u8(pagina, offset + 1) << 8);
    }
    unsigned u32(int pagina, int offset) const {
        return u16(pagina, offset) | (u16(pagina, offset + 2) << 16);
    }
    unsigned righe(int pagina) const { return u16(pagina, 12); }
    unsigned slot(int pagina, unsigned riga) const {
        return u16(pagina, 14 + 2 * static_cast<int>(riga));
    }
    // Start and length of a row: rows fill the page from its end, in slot order.
    std::pair<int, int> riga(int pagina, unsigned r) const {
        const int inizio = static_cast<int>(slot(pagina, r) & 0x1FFF);
        const int fine = r == 0 ? kPagina : static_cast<int>(slot(pagina, r - 1) & 0x1FFF);
        return {inizio, fine - inizio};
    }
    // Pages a usage-map row lists, type 0 (bitmap in the row) or 1 (map pages).
    std::set<int> mappa(unsigned paginaRiga) const {
        const int p = static_cast<int>(paginaRiga >> 8);
        const auto [inizio, lunghezza] = riga(p, paginaRiga & 0xFF);
        std::set<int> elenco;
        if (u8(p, inizio) == 0) {
            const int prima = static_cast<int>(u32(p, inizio + 1));
            for (int bit = 0; bit < (lunghezza - 5) * 8; ++bit)
                if (u8(p, inizio + 5 + bit / 8) & (1 << (bit % 8)))
                    elenco.insert(prima + bit);
            return elenco;
        }
        EXPECT_EQ(u8(p, inizio), 1u);
        for (int k = 0; k < (lunghezza - 1) / 4; ++k) {
            const int m = static_cast<int>(u32(p, inizio + 1 + 4 * k));
            if (m == 0)
                continue;
            EXPECT_EQ(u8(m, 0), 0x05u) << "map page " << m;
            for (int bit = 0; bit < (kPagina - 4) * 8; ++bit)
                if (u8(m, 4 + bit / 8) & (1 << (bit % 8)))
                    elenco.insert(k * (kPagina - 4) * 8 + bit);
        }
        return elenco;
    }

  private:
    QByteArray b_;
};

struct Conteggio {
    int vive = 0, cancellate = 0, puntatori = 0, copie = 0;
};

// Checks every data page of the table defined on page `definizione` and
// counts its slots by flag.
Conteggio Scandisci(const File& f, int definizione) {
    Conteggio c;
    std::set<std::pair<int, unsigned>> copie, raggiunte;
    for (int p = 1; p < f.pagine(); ++p) {
        if (f.u8(p, 0) != 0x01 || f.u32(p, 4) != static_cast<unsigned>(definizione))
            continue;
        const unsigned n = f.righe(p);
        EXPECT_GT(n, 0u);
        const int ultima = f.riga(p, n - 1).first;
        EXPECT_EQ(f.u16(p, 2), static_cast<unsigned>(ultima - (14 + 2 * static_cast<int>(n))))
            << "free space, page " << p;
        for (unsigned r = 0; r < n; ++r) {
            const unsigned flag = f.slot(p, r) & 0xC000;
            const auto [inizio, lunghezza] = f.riga(p, r);
            EXPECT_GT(lunghezza, 0);
            if (flag == 0)
                ++c.vive;
            else if (flag == 0xC000)
                ++c.cancellate;
            else if (flag == 0x8000) {
                ++c.copie;
                copie.insert({p, r});
            } else {
                ++c.puntatori;
                EXPECT_EQ(lunghezza, 4);
                const int dove = static_cast<int>(f.u32(p, inizio) >> 8);
                const unsigned quale = f.u8(p, inizio);
                EXPECT_GT(dove, p) << "moved rows go to later pages";
                EXPECT_EQ(f.u32(dove, 4), static_cast<unsigned>(definizione));
                EXPECT_EQ(f.slot(dove, quale) & 0xC000, 0x8000u);
                EXPECT_TRUE(raggiunte.insert({dove, quale}).second) << "two pointers to one row";
            }
        }
    }
    EXPECT_EQ(copie, raggiunte) << "every moved copy is reached by exactly one pointer";
    return c;
}

std::set<int> PagineDati(const File& f, int definizione) {
    std::set<int> pagine;
    for (int p = 1; p < f.pagine(); ++p)
        if (f.u8(p, 0) == 0x01 && f.u32(p, 4) == static_cast<unsigned>(definizione))
            pagine.insert(p);
    return pagine;
}

} // namespace

TEST(StrutturaPagine, SlotPuntatoriEMappe) {
    ScrittoreMdb w;
    TabellaMdb& t = w.tabella("Larga");
    t.colonna("N", TipoJet::Lungo)
        .colonna("A", TipoJet::Testo, 255)
        .colonna("B", TipoJet::Testo, 255)
        .colonna("Nota", TipoJet::Memo);
    const QString lungo(255, QChar(0x3A9));
    int vive = 0, cancellate = 0, spostate = 0;
    for (int i = 0; i < 2400; ++i) {
        const std::vector<Valore> riga = {i, lungo, i % 7 ? Valore(lungo) : Valore(),
                                          i % 100 == 1 ? Valore(QString(5000, 'm')) : Valore()};
        if (i % 9 == 4) {
            t.rigaCancellata(riga);
            ++cancellate;
        } else if (i % 11 == 6) {
            t.rigaSpostata(riga);
            ++spostate;
        } else {
            t.riga(riga);
            ++vive;
        }
    }
    w.tabella("Piccola").colonna("N", TipoJet::Intero).riga({1});
    const File f(w.contenuto());

    EXPECT_EQ(f.u8(2, 0), 0x02u) << "the catalogue's definition is page 2";
    const int definizione = 3;
    ASSERT_EQ(f.u8(definizione, 0), 0x02u);
    EXPECT_EQ(f.u32(definizione, 16), static_cast<unsigned>(vive + spostate))
        << "row count of the definition";
    EXPECT_EQ(f.u16(definizione, 45), 4u);
    EXPECT_EQ(f.u16(definizione, 43), 3u);

    const Conteggio c = Scandisci(f, definizione);
    EXPECT_EQ(c.vive, vive);
    EXPECT_EQ(c.cancellate, cancellate);
    EXPECT_EQ(c.puntatori, spostate);
    EXPECT_EQ(c.copie, spostate);

    const std::set<int> dati = PagineDati(f, definizione);
    EXPECT_GT(*dati.rbegin() - *dati.begin(), 512) << "wide enough to need map pages";
    EXPECT_EQ(f.mappa(f.u32(definizione, 55)), dati);
    EXPECT_TRUE(f.mappa(f.u32(definizione, 59)).empty());

    std::set<int> lval;
    for (int p = 1; p < f.pagine(); ++p)
        if (f.u8(p, 0) == 0x01 && f.u32(p, 4) == 0x4C41564Cu)
            lval.insert(p);
    EXPECT_GE(lval.size(), 24u * 3) << "24 memos of 10000 bytes, over three pages each";
    // After the header, 4 descriptors and the names N, A, B, Nota: the memo
    // column's own maps, then the end mark.
    const int lunghe = 63 + 4 * 25 + 4 + 4 + 4 + 10;
    EXPECT_EQ(f.u16(definizione, lunghe), 3u);
    EXPECT_EQ(f.mappa(f.u32(definizione, lunghe + 2)), lval);
    EXPECT_EQ(f.u16(definizione, lunghe + 10), 0xFFFFu);
    EXPECT_EQ(f.u32(definizione, 8), static_cast<unsigned>(lunghe + 12)) << "definition length";
}
