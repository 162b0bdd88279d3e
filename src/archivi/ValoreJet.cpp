#include "archivi/ValoreJet.h"

#include "archivi/RigheJet.h"
#include "archivi/TestoJet.h"

#include <algorithm>
#include <unordered_set>

namespace jet {

namespace {

// A memo or OLE field holds a 12-byte reference: 24 bits of length, a byte
// of flags, the row of the first page part and 4 unused bytes. Flag 0x80:
// the value follows the reference in the row; 0x40: it is the whole of one
// row elsewhere; no flag: a chain of rows, each starting with the next row's
// pointer.
constexpr std::size_t kRiferimento = 12;
constexpr std::uint8_t kInterno = 0x80;
constexpr std::uint8_t kUnaRiga = 0x40;

DannoJet troppoCorto() {
    return DannoJet{QStringLiteral("valore più corto del suo tipo")};
}

ByteJet almeno(ByteJet byte, std::size_t n) {
    if (byte.size() < n)
        throw troppoCorto();
    return byte.parte(0, n);
}

QByteArray valoreLungo(const PagineJet& file, ByteJet campo, PaginaJet& appoggio) {
    if (campo.empty())
        return QByteArray("");
    const ByteJet riferimento = almeno(campo, kRiferimento);
    const std::size_t lunghezza = riferimento.u24(0);
    const std::uint8_t opzioni = riferimento.u8(3);
    const auto copia = [](ByteJet b) {
        return QByteArray(reinterpret_cast<const char*>(b.data()),
                          static_cast<qsizetype>(b.size()));
    };
    if (opzioni & kInterno)
        return copia(campo.da(kRiferimento).parte(0, lunghezza));
    std::uint32_t pgRiga = riferimento.u32(4);
    if (opzioni & kUnaRiga)
        return copia(righe::datiA(file, pgRiga, appoggio).parte(0, lunghezza));
    if (opzioni != 0)
        throw DannoJet{QStringLiteral("riferimento a un valore lungo di tipo sconosciuto")};
    QByteArray valore;
    valore.reserve(static_cast<qsizetype>(lunghezza));
    // A chain that comes back to a part it has read is a loop: without this
    // check a damaged file could make one value as large as the length field
    // allows out of a single part.
    std::unordered_set<std::uint32_t> lette;
    while (static_cast<std::size_t>(valore.size()) < lunghezza) {
        if (pgRiga == 0)
            throw DannoJet{QStringLiteral("valore lungo interrotto")};
        if (!lette.insert(pgRiga).second)
            throw DannoJet{QStringLiteral("valore lungo che rimanda a sé stesso")};
        const ByteJet parte = righe::datiA(file, pgRiga, appoggio);
        pgRiga = parte.u32(0);
        const ByteJet contenuto = parte.da(4);
        const std::size_t manca = lunghezza - static_cast<std::size_t>(valore.size());
        valore.append(copia(contenuto.parte(0, std::min(manca, contenuto.size()))));
    }
    return valore;
}

QString guid(ByteJet b) {
    const auto esadecimale = [](std::uint64_t n, int cifre) {
        return QStringLiteral("%1").arg(n, cifre, 16, QLatin1Char('0')).toUpper();
    };
    QString testo = QLatin1Char('{') + esadecimale(b.u32(0), 8) + QLatin1Char('-') +
                    esadecimale(b.u16(4), 4) + QLatin1Char('-') + esadecimale(b.u16(6), 4) +
                    QLatin1Char('-');
    for (std::size_t i = 8; i < 16; ++i) {
        if (i == 10)
            testo += QLatin1Char('-');
        testo += esadecimale(b.u8(i), 2);
    }
    return testo + QLatin1Char('}');
}

// Jet keeps at most 28 digits after the point.
constexpr int kScalaMassima = 28;

int scala(int scala) {
    if (scala > kScalaMassima)
        throw DannoJet{QStringLiteral("decimale con %1 cifre dopo la virgola").arg(scala)};
    return scala;
}

// Decimal: a sign byte (0x80 negative), then a 128-bit integer as four
// little-endian 32-bit words, the most significant first; the scale is the
// column's.
Valore numerico(ByteJet b, int cifreDecimali) {
    Valore::Cifre cifre = 0;
    for (std::size_t parola = 0; parola < 4; ++parola)
        cifre = (cifre << 32) | b.u32(1 + 4 * parola);
    return Valore::decimale((b.u8(0) & 0x80) != 0, cifre, scala(cifreDecimali));
}

// Date/Time Extended: ASCII digits of the days since 1/1/0001, a colon, the
// digits of the 100 ns ticks since midnight, then the precision (":7") and
// zero bytes up to the column's length.
Valore dataOraEstesa(ByteJet b) {
    const auto guasta = [] { return DannoJet{QStringLiteral("data estesa illeggibile")}; };
    std::uint64_t parti[2] = {};
    std::size_t i = 0;
    for (std::uint64_t& parte : parti) {
        const std::size_t inizio = i;
        while (i < b.size() && i - inizio < 19 && b.u8(i) >= '0' && b.u8(i) <= '9')
            parte = parte * 10 + (b.u8(i++) - '0');
        if (i == inizio)
            throw guasta();
        if (&parte == parti && (i >= b.size() || b.u8(i++) != ':'))
            throw guasta();
    }
    if (parti[0] >= static_cast<std::uint64_t>(Valore::kGiorniEstesi) ||
        parti[1] >= static_cast<std::uint64_t>(Valore::kTickGiorno))
        throw guasta();
    return Valore::dataOraEstesa(static_cast<std::int64_t>(parti[0]) * Valore::kTickGiorno +
                                 static_cast<std::int64_t>(parti[1]));
}

// A calculated column (Access 2010 and later) stores its result behind 16
// bytes of header and the result's length in 4 bytes; a few bytes may follow.
ByteJet risultato(ByteJet b) {
    const std::size_t lunghezza = almeno(b, 20).u32(16);
    return b.da(20).parte(0, lunghezza);
}

// A calculated decimal keeps its own layout: the count of the bytes that
// follow (0: all of them), the scale, a sign byte (non-zero negative), then
// the digits as little-endian words, the most significant first: a 32-bit
// word when their count is not a multiple of 8, then 64-bit words.
Valore numericoCalcolato(ByteJet b) {
    const std::size_t dichiarati = almeno(b, 4).u16(0);
    const std::size_t disponibili = dichiarati > 0 ? dichiarati : b.size() - 2;
    if (disponibili < 2)
        throw troppoCorto();
    const std::size_t n = std::min<std::size_t>((disponibili - 2) / 4 * 4, 16);
    const ByteJet byte = almeno(b.da(4), n);
    Valore::Cifre cifre = 0;
    std::size_t i = 0;
    if (n % 8 != 0) {
        cifre = byte.u32(0);
        i = 4;
    }
    for (; i < n; i += 8)
        cifre = (cifre << 64) | byte.u64(i);
    return Valore::decimale(b.u8(3) != 0, cifre, scala(b.u8(2)));
}

// The value of a column from its bytes `b` (a calculated column's result
// already taken out of its header; a memo's bytes are its reference).
Valore valore(const PagineJet& file, const ColonnaJet& colonna, ByteJet b, PaginaJet& appoggio) {
    switch (colonna.tipo) {
    case TipoColonna::Booleano:
        return Valore(almeno(b, 1).u8(0) != 0 ? -1 : 0);
    case TipoColonna::Byte:
    case TipoColonna::Intero:
    case TipoColonna::Lungo:
    case TipoColonna::Grande:
        return Valore(InteroJet(colonna.tipo, b));
    case TipoColonna::Valuta:
        return Valore::valuta(static_cast<std::int64_t>(almeno(b, 8).u64(0)));
    case TipoColonna::Singolo:
        return Valore(static_cast<double>(almeno(b, 4).f32(0)));
    case TipoColonna::Doppio:
        return Valore(almeno(b, 8).f64(0));
    case TipoColonna::DataOra:
        return Valore::dataOra(almeno(b, 8).f64(0));
    case TipoColonna::DataOraEstesa:
        return dataOraEstesa(b);
    case TipoColonna::Guid:
        return Valore(guid(almeno(b, 16)));
    case TipoColonna::Numerico:
        return colonna.calcolata ? numericoCalcolato(b) : numerico(almeno(b, 17), colonna.scala);
    case TipoColonna::Testo:
        return Valore(TestoJet(file.formato(), b));
    case TipoColonna::Memo: {
        const QByteArray testo = valoreLungo(file, b, appoggio);
        return Valore(TestoJet(file.formato(),
                               colonna.calcolata ? risultato(VistaDi(testo)) : VistaDi(testo)));
    }
    case TipoColonna::Ole:
        return Valore::binario(valoreLungo(file, b, appoggio));
    case TipoColonna::Binario:
    default:
        return Valore::binario(
            QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())));
    }
}

} // namespace

Valore DecodificaCampo(const PagineJet& file, const ColonnaJet& colonna, const CampoJet& campo,
                       PaginaJet& appoggio) {
    if (colonna.tipo == TipoColonna::Booleano && !colonna.calcolata)
        return Valore(campo.bit ? -1 : 0);
    if (!campo.bit)
        return {};
    // A calculated memo wraps the text its reference leads to, not the
    // reference. An empty result is what Access stores for a null one; for
    // a text it is the empty text, as for any text.
    if (!colonna.calcolata || colonna.tipo == TipoColonna::Memo)
        return valore(file, colonna, campo.byte, appoggio);
    const ByteJet calcolato = risultato(campo.byte);
    if (calcolato.empty() && colonna.tipo != TipoColonna::Testo)
        return {};
    return valore(file, colonna, calcolato, appoggio);
}

bool ColonnaIntera(const ColonnaJet& colonna) {
    switch (colonna.tipo) {
    case TipoColonna::Byte:
    case TipoColonna::Intero:
    case TipoColonna::Lungo:
    case TipoColonna::Grande:
        return !colonna.calcolata;
    default:
        return false;
    }
}

std::int64_t InteroJet(TipoColonna tipo, ByteJet b) {
    switch (tipo) {
    case TipoColonna::Byte:
        return almeno(b, 1).u8(0);
    case TipoColonna::Intero:
        return static_cast<std::int16_t>(almeno(b, 2).u16(0));
    case TipoColonna::Lungo:
        return static_cast<std::int32_t>(almeno(b, 4).u32(0));
    default:
        return static_cast<std::int64_t>(almeno(b, 8).u64(0));
    }
}

GenereCampo GenereColonna(TipoColonna tipo) {
    switch (tipo) {
    case TipoColonna::Booleano:
    case TipoColonna::Byte:
    case TipoColonna::Intero:
    case TipoColonna::Lungo:
    case TipoColonna::Grande:
    case TipoColonna::Valuta:
    case TipoColonna::Singolo:
    case TipoColonna::Doppio:
    case TipoColonna::DataOra:
    case TipoColonna::DataOraEstesa:
    case TipoColonna::Numerico:
        return GenereCampo::Numero;
    case TipoColonna::Testo:
    case TipoColonna::Memo:
    case TipoColonna::Guid:
        return GenereCampo::Testo;
    case TipoColonna::Binario:
    case TipoColonna::Ole:
        break;
    }
    return GenereCampo::Binario;
}

} // namespace jet
