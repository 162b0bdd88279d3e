#include "mdbwriter/DefinizioneTabella.h"

#include "mdbwriter/ByteLE.h"
#include "mdbwriter/ErroreScrittura.h"
#include "mdbwriter/FileMdb.h"

#include <cstring>

namespace {

constexpr int kTestata = 63;
constexpr int kDescrittore = 25;
// A value Access writes both in the header and in every column descriptor.
constexpr std::uint32_t kFirma = 0x0659;
constexpr std::uint32_t kOrdinamentoGenerale = 0x0409;
constexpr std::uint8_t kTabellaUtente = 0x4E;
constexpr std::uint8_t kTabellaSistema = 0x53;
constexpr std::uint8_t kFissa = 0x01;
constexpr std::uint8_t kAggiornabile = 0x02;
constexpr std::uint8_t kUnicodeCompresso = 0x01;

int LunghezzaColonna(const ColonnaMdb& c) {
    switch (c.tipo) {
    case TipoJet::Booleano:
        return 1;
    case TipoJet::Testo:
        return 2 * c.lunghezza;
    case TipoJet::Binario:
        return c.lunghezza;
    case TipoJet::Memo:
    case TipoJet::Ole:
        return 0;
    default:
        return DimensioneFissa(c.tipo);
    }
}

QByteArray DescrittoreColonna(const ColonnaMdb& c, bool compressa) {
    QByteArray d(kDescrittore, '\0');
    char* p = d.data();
    p[0] = static_cast<char>(c.tipo);
    Scrivi32(p + 1, kFirma);
    Scrivi16(p + 5, static_cast<std::uint32_t>(c.numero));
    Scrivi16(p + 7, static_cast<std::uint32_t>(c.indiceVariabile));
    Scrivi16(p + 9, static_cast<std::uint32_t>(c.numero + 1));
    Scrivi16(p + 11, kOrdinamentoGenerale);
    p[15] = static_cast<char>(kAggiornabile | (TipoFisso(c.tipo) ? kFissa : 0));
    const bool testo = c.tipo == TipoJet::Testo || c.tipo == TipoJet::Memo;
    p[16] = static_cast<char>(testo && compressa ? kUnicodeCompresso : 0);
    Scrivi16(p + 21, static_cast<std::uint32_t>(TipoFisso(c.tipo) ? c.offsetFisso : 0));
    Scrivi16(p + 23, static_cast<std::uint32_t>(LunghezzaColonna(c)));
    return d;
}

void AccodaNome(QByteArray& byte, const QString& nome) {
    Accoda16(byte, static_cast<std::uint32_t>(nome.size() * 2));
    for (const QChar c : nome)
        Accoda16(byte, c.unicode());
}

} // namespace

void ScriviDefinizione(char* pagina, const TabellaMdb& tabella, std::uint32_t righe,
                       const MappeTabella& mappe) {
    const auto& colonne = tabella.colonne();
    QByteArray d(kTestata, '\0');
    char* p = d.data();
    p[0] = 0x02;
    p[1] = 0x01;
    Scrivi32(p + 12, kFirma);
    Scrivi32(p + 16, righe);
    p[24] = 0x01;
    p[40] = static_cast<char>(tabella.diSistema() ? kTabellaSistema : kTabellaUtente);
    Scrivi16(p + 41, static_cast<std::uint32_t>(colonne.size()));
    Scrivi16(p + 43, static_cast<std::uint32_t>(tabella.colonneVariabili()));
    Scrivi16(p + 45, static_cast<std::uint32_t>(colonne.size()));
    Scrivi32(p + 55, mappe.usate);
    Scrivi32(p + 59, mappe.libere);
    for (const ColonnaMdb& c : colonne)
        d.append(DescrittoreColonna(c, tabella.compressa()));
    for (const ColonnaMdb& c : colonne)
        AccodaNome(d, c.nome);
    for (const MappeTabella::Lunga& l : mappe.lunghe) {
        Accoda16(d, static_cast<std::uint32_t>(l.colonna));
        Accoda32(d, l.usate);
        Accoda32(d, l.libere);
    }
    Accoda16(d, 0xFFFF);
    if (d.size() > kDimensionePagina - 8)
        throw ErroreScrittura(QStringLiteral("Tabella %1: definizione troppo lunga per una pagina")
                                  .arg(tabella.nome()));
    Scrivi16(d.data() + 2, static_cast<std::uint32_t>(kDimensionePagina - d.size() - 8));
    Scrivi32(d.data() + 8, static_cast<std::uint32_t>(d.size()));
    std::memcpy(pagina, d.constData(), static_cast<std::size_t>(d.size()));
}
