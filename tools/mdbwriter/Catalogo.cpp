#include "mdbwriter/Catalogo.h"

#include <limits>

namespace {

constexpr std::int64_t kRadice = 0x0F000000;
constexpr std::int64_t kContenitoreTabelle = 0x0F000001;
constexpr std::int64_t kContenitoreDatabase = 0x0F000002;
constexpr std::int64_t kContenitoreRelazioni = 0x0F000003;
constexpr int kContenitore = 3;
constexpr int kTabella = 1;
// Flags of system objects: the high bit of the 32-bit field.
constexpr std::int64_t DiSistema = std::numeric_limits<std::int32_t>::min();

struct Colonna {
    const char* nome;
    TipoJet tipo;
    int lunghezza;
};

constexpr Colonna kColonne[] = {
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
    for (const Colonna& c : kColonne)
        catalogo.colonna(QString::fromLatin1(c.nome), c.tipo, c.lunghezza);
    const Valore data = Valore::dataOra(dataCreazione);
    const auto oggetto = [&](std::int64_t id, std::int64_t genitore, const QString& nome, int tipo,
                             std::int64_t flag) {
        std::vector<Valore> riga(std::size(kColonne));
        riga[0] = Valore(id);
        riga[1] = Valore(genitore);
        riga[2] = Valore(nome);
        riga[3] = Valore(tipo);
        riga[4] = data;
        riga[5] = data;
        riga[7] = Valore(flag);
        catalogo.riga(riga);
    };
    oggetto(kContenitoreTabelle, kRadice, QStringLiteral("Tables"), kContenitore, DiSistema);
    oggetto(kContenitoreDatabase, kRadice, QStringLiteral("Databases"), kContenitore, DiSistema);
    oggetto(kContenitoreRelazioni, kRadice, QStringLiteral("Relationships"), kContenitore,
            DiSistema);
    oggetto(kPaginaCatalogo, kContenitoreTabelle, QStringLiteral("MSysObjects"), kTabella,
            DiSistema);
    for (const VoceCatalogo& t : tabelle)
        oggetto(t.definizione, kContenitoreTabelle, t.nome, kTabella, 0);
    return catalogo;
}
