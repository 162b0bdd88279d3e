#include "mdbwriter/Catalogo.h"

#include <limits>

namespace {

constexpr std::int64_t Radice = 0x0F000000;
constexpr std::int64_t ContenitoreTabelle = 0x0F000001;
constexpr std::int64_t ContenitoreDatabase = 0x0F000002;
constexpr std::int64_t ContenitoreRelazioni = 0x0F000003;
constexpr int Contenitore = 3;
constexpr int Tabella = 1;
// Flags of system objects: the high bit of the 32-bit field.
constexpr std::int64_t DiSistema = std::numeric_limits<std::int32_t>::min();

struct Colonna {
    const char* nome;
    TipoJet tipo;
    int lunghezza;
};

constexpr Colonna Colonne[] = {
    {"Id", TipoJet::Lungo, 0},
    {"ParentId", TipoJet::Lungo, 0},
    {"Name", TipoJet::Testo, 128},
    {"Type", TipoJet::Intero, 0},
    {"DateCreate", TipoJet::DataOra, 0},
    {"DateUpdate", TipoJet::DataOra, 0},
    {"Owner", TipoJet::Binario, 0},
    {"Flags", TipoJet::Lungo, 0},
    {"Database", TipoJet::Memo, 0},
    {"Connect", TipoJet::Memo, 0},
    {"ForeignName", TipoJet::Testo, 128},
    {"RmtInfoShort", TipoJet::Binario, 0},
    {"RmtInfoLong", TipoJet::Ole, 0},
    {"Lv", TipoJet::Ole, 0},
    {"LvProp", TipoJet::Ole, 0},
    {"LvModule", TipoJet::Ole, 0},
    {"LvExtra", TipoJet::Ole, 0},
};

} // namespace

TabellaMdb TabellaCatalogo(const std::vector<VoceCatalogo>& tabelle, double dataCreazione) {
    TabellaMdb catalogo(QStringLiteral("MSysObjects"), true);
    for (const Colonna& c : Colonne)
        catalogo.colonna(QString::fromLatin1(c.nome), c.tipo, c.lunghezza);
    const Valore data = Valore::dataOra(dataCreazione);
    const auto oggetto = [&](std::int64_t id, std::int64_t genitore, const QString& nome, int tipo,
                             std::int64_t flag) {
        std::vector<Valore> riga(std::size(Colonne));
        riga[0] = Valore(id);
        riga[1] = Valore(genitore);
        riga[2] = Valore(nome);
        riga[3] = Valore(tipo);
        riga[4] = data;
        riga[5] = data;
        riga[7] = Valore(flag);
        catalogo.riga(riga);
    };
    oggetto(ContenitoreTabelle, Radice, QStringLiteral("Tables"), Contenitore, DiSistema);
    oggetto(ContenitoreDatabase, Radice, QStringLiteral("Databases"), Contenitore, DiSistema);
    oggetto(ContenitoreRelazioni, Radice, QStringLiteral("Relationships"), Contenitore, DiSistema);
    oggetto(PaginaCatalogo, ContenitoreTabelle, QStringLiteral("MSysObjects"), Tabella, DiSistema);
    for (const VoceCatalogo& t : tabelle)
        oggetto(t.definizione, ContenitoreTabelle, t.nome, Tabella, 0);
    return catalogo;
}
