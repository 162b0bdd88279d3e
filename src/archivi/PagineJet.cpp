#include "archivi/PagineJet.h"

#include "archivi/ErroreArchivio.h"
#include "archivi/IntestazioneJet.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jet {

FormatoJet FormatoJet::jet3Formato() {
    FormatoJet f;
    f.jet3 = true;
    f.pagina = 2048;
    f.numeroRighe = 8;
    f.tdefRighe = 12;
    f.tdefColonneVariabili = 23;
    f.tdefColonne = 25;
    f.tdefIndiciReali = 31;
    f.tdefMappa = 35;
    f.tdefInizioColonne = 43;
    f.indiceReale = 8;
    f.colonna = 18;
    f.colonnaNumero = 1;
    f.colonnaVariabile = 3;
    f.colonnaScala = 10;
    f.colonnaOpzioni = 13;
    f.colonnaFissa = 14;
    f.colonnaLunghezza = 16;
    f.conteggio = 1;
    return f;
}

FormatoJet FormatoJet::jet4Formato() {
    return FormatoJet{};
}

namespace {

// Header of page 0: a fixed signature, then the version byte at 0x14
// (0 Jet 3, 1 Jet 4, 2 and later the ACE versions of Access 2007 onward).
constexpr std::size_t kFirma = 0x14 + 1;
constexpr std::uint8_t kFirmaJet[] = {0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n', 'd', 'a',
                                      'r',  'd',  ' ',  'J',  'e', 't', ' ', 'D', 'B', 0x00};
constexpr std::uint8_t kFirmaAce[] = {0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n', 'd', 'a',
                                      'r',  'd',  ' ',  'A',  'C', 'E', ' ', 'D', 'B', 0x00};
// Page 0 (header), page 1 (global usage map), page 2 (system catalog definition).
constexpr std::uint32_t kPagineMinime = 3;

bool leggiTutto(int fd, void* dove, std::size_t quanti, off_t da) {
    auto* p = static_cast<char*>(dove);
    while (quanti > 0) {
        const ssize_t letti = ::pread(fd, p, quanti, da);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti <= 0)
            return false;
        p += letti;
        quanti -= static_cast<std::size_t>(letti);
        da += letti;
    }
    return true;
}

} // namespace

PagineJet::PagineJet(const QString& percorso, const QString& nome) {
    const auto nonValido = [&](const QString& perche) {
        return ErroreArchivio(QStringLiteral("Archivio non valido: %1 (%2)").arg(nome, perche));
    };
    const auto danneggiato = [&](const QString& perche) {
        return ErroreArchivio(QStringLiteral("Archivio danneggiato: %1 (%2)").arg(nome, perche));
    };
    fd_ = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw ErroreArchivio(QStringLiteral("Archivio non leggibile: %1 (%2)")
                                 .arg(nome, QString::fromLocal8Bit(std::strerror(errno))));
    try {
        struct stat stato {};
        if (::fstat(fd_, &stato) != 0 || !S_ISREG(stato.st_mode))
            throw nonValido(QStringLiteral("non è un file"));
        std::uint8_t intestazione[kFirma] = {};
        if (stato.st_size < static_cast<off_t>(kFirma) || !leggiTutto(fd_, intestazione, kFirma, 0))
            throw nonValido(QStringLiteral("non è un database Access"));
        const bool jet = std::memcmp(intestazione, kFirmaJet, sizeof kFirmaJet) == 0;
        const bool ace = std::memcmp(intestazione, kFirmaAce, sizeof kFirmaAce) == 0;
        if (!jet && !ace)
            throw nonValido(QStringLiteral("non è un database Access"));
        formato_ = intestazione[0x14] == 0 ? FormatoJet::jet3Formato() : FormatoJet::jet4Formato();
        const auto dimensione = static_cast<std::uint64_t>(stato.st_size);
        if (dimensione % formato_.pagina != 0 || dimensione / formato_.pagina < kPagineMinime)
            throw danneggiato(QStringLiteral("file troncato"));
        if (dimensione / formato_.pagina > 0xFFFFFFu)
            throw danneggiato(QStringLiteral("file troppo grande"));
        pagine_ = static_cast<std::uint32_t>(dimensione / formato_.pagina);
        char testa[kFineMaschera];
        if (!leggiTutto(fd_, testa, sizeof testa, 0))
            throw danneggiato(QStringLiteral("intestazione illeggibile"));
        const IntestazioneJet letta = LeggiIntestazione(testa, formato_.jet3);
        if (letta.cifrata)
            throw ErroreArchivio(QStringLiteral("Archivio protetto: %1 (il database è cifrato o "
                                                "protetto da password e non può essere letto)")
                                     .arg(nome));
        formato_.codePage = letta.codePage;
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

PagineJet::~PagineJet() {
    ::close(fd_);
}

void PagineJet::leggi(std::uint32_t numero, PaginaJet& pagina) const {
    if (pagina.numero == numero && pagina.byte.size() == formato_.pagina)
        return;
    if (numero == 0 || numero >= pagine_)
        throw DannoJet{QStringLiteral("riferimento alla pagina %1, fuori dal file").arg(numero)};
    pagina.numero = 0;
    pagina.byte.resize(formato_.pagina);
    if (!leggiTutto(fd_, pagina.byte.data(), formato_.pagina,
                    static_cast<off_t>(numero) * static_cast<off_t>(formato_.pagina)))
        throw DannoJet{QStringLiteral("pagina %1 illeggibile").arg(numero)};
    pagina.numero = numero;
}

} // namespace jet
