#include "archivi/PagineJet.h"

#include "archivi/ErroreArchivio.h"
#include "archivi/IntestazioneJet.h"
#include "archivi/LettureInVolo.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <future>
#include <optional>
#include <string_view>

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
// A file up to this size is read whole; of a larger one, its start, which
// holds the catalog and usually the definitions.
constexpr std::uint64_t kFilePiccolo = 2u << 20;
constexpr std::uint64_t kInizioFileGrande = 256u << 10;
// Where requests cost a round trip, the start is read in pieces: the first
// on opening, the header and usually the catalog; the others, of the second
// size, in the background. Each piece is a few round trips, which a share's
// client may make at once, and the pages of one are decoded while the next
// is on its way. From a local disk the start is read whole on opening: a
// thread would cost more than it saves.
constexpr std::uint64_t kPrimoPezzo = 128u << 10;
constexpr std::uint64_t kPezzo = 512u << 10;
// percorri() reads at most this much in one request: what a share's client
// sends in one request at the least (FUSE's limit; SMB's is larger). A larger
// request would be split into several, and those of the requests on their
// way at once would reach a server that answers one at a time interleaved:
// the first request's pages would be whole only at the end, with all of the
// others', so that decoding would wait for the whole walk. On a local disk the
// pages just read are still in the processor's cache when their rows are
// decoded, which a larger request would have pushed out. percorri() reads
// through a gap of pages it does not need when the gap is this short: a few
// more bytes cost less than another round trip.
constexpr std::uint64_t kRichiestaMassima = 128u << 10;
constexpr std::uint64_t kSaltoMassimo = 64u << 10;
// How many of percorri()'s requests are on their way at once, where each
// costs a round trip.
constexpr std::size_t kRichiesteInVolo = 4;
// Pages read on their own (long values, moved rows, usage map pages), and
// the pages of long values that percorri() keeps from its requests, kept for
// reuse; the store starts again when full. Rows point to the long values of
// the last few requests, and each page kept takes memory of its own, whose
// first use costs a page fault.
constexpr std::size_t kSingoleMassime = 48;

// The piece of the start that holds byte `byte`, and where a piece begins.
std::uint32_t PezzoDi(std::uint64_t byte) {
    return byte < kPrimoPezzo ? 0 : static_cast<std::uint32_t>(1 + (byte - kPrimoPezzo) / kPezzo);
}

std::uint64_t InizioPezzo(std::uint32_t pezzo) {
    return pezzo == 0 ? 0 : kPrimoPezzo + std::uint64_t{pezzo - 1} * kPezzo;
}

// A bit for each piece of a start of `byte` bytes.
std::uint32_t TuttiIPezzi(std::uint64_t byte) {
    return (2u << PezzoDi(byte - 1)) - 1;
}

enum class EsitoLettura { Completa, FileFinito, Errore };

// Reads `quanti` bytes from `da`. On Errore, errno tells why the system
// did not read them (an I/O error, a share gone).
EsitoLettura leggiTutto(int fd, void* dove, std::size_t quanti, off_t da) {
    auto* p = static_cast<char*>(dove);
    while (quanti > 0) {
        const ssize_t letti = ::pread(fd, p, quanti, da);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0)
            return EsitoLettura::Errore;
        if (letti == 0)
            return EsitoLettura::FileFinito;
        p += letti;
        quanti -= static_cast<std::size_t>(letti);
        da += letti;
    }
    return EsitoLettura::Completa;
}

// A digest of bytes read, to tell whether a later reading gives the same.
std::size_t Impronta(const void* byte, std::size_t quanti) {
    return std::hash<std::string_view>{}({static_cast<const char*>(byte), quanti});
}

} // namespace

bool PagineJet::Tratto::contiene(std::uint32_t numero) const {
    return numero >= prima && numero - prima < quante;
}

ByteJet PagineJet::Tratto::vista(std::uint32_t numero, std::uint32_t dimensionePagina) const {
    return {byte.get() + std::size_t{numero - prima} * dimensionePagina, dimensionePagina};
}

PagineJet::PagineJet(const QString& percorso, const QString& nome, bool ricordaLetture,
                     bool inParallelo, PostoInFila posto)
    : nome_(nome), ricordaLetture_(ricordaLetture), inParallelo_(inParallelo),
      fila_(std::move(posto.fila)) {
    const auto nonValido = [&](const QString& perche) {
        return ErroreArchivio(QStringLiteral("Archivio non valido: %1 (%2)").arg(nome, perche));
    };
    const auto danneggiato = [&](const QString& perche) {
        return ErroreArchivio(QStringLiteral("Archivio danneggiato: %1 (%2)").arg(nome, perche));
    };
    fd_ = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw ArchivioNonLeggibile(nome, errno);
    try {
        struct stat stato {};
        if (::fstat(fd_, &stato) != 0 || !S_ISREG(stato.st_mode))
            throw nonValido(QStringLiteral("non è un file"));
        identita_ = *IdentitaDi(fd_);
        const auto dimensione = static_cast<std::uint64_t>(stato.st_size);
        if (dimensione < kFirma)
            throw nonValido(QStringLiteral("non è un database Access"));
        if (ricordaLetture_)
            dimenticaCache();
        const std::size_t inizio = dimensione <= kFilePiccolo ? dimensione : kInizioFileGrande;
        inizio_.byte = NuovoBlocco(inizio);
        std::uint8_t* const intestazione = inizio_.byte.get();
        const std::size_t primoPezzo =
            inParallelo_ ? std::min<std::uint64_t>(inizio, kPrimoPezzo) : inizio;
        const EsitoLettura letto = leggiTutto(fd_, intestazione, primoPezzo, 0);
        if (letto == EsitoLettura::Errore)
            throw ArchivioNonLeggibile(nome, errno);
        if (letto == EsitoLettura::FileFinito)
            throw danneggiato(QStringLiteral("file troncato"));
        ricorda(intestazione, primoPezzo, 0, Ricordo::Fisso);
        const bool jet = std::memcmp(intestazione, kFirmaJet, sizeof kFirmaJet) == 0;
        const bool ace = std::memcmp(intestazione, kFirmaAce, sizeof kFirmaAce) == 0;
        if (!jet && !ace)
            throw nonValido(QStringLiteral("non è un database Access"));
        formato_ = intestazione[0x14] == 0 ? FormatoJet::jet3Formato() : FormatoJet::jet4Formato();
        if (dimensione % formato_.pagina != 0 || dimensione / formato_.pagina < kPagineMinime)
            throw danneggiato(QStringLiteral("file troncato"));
        if (dimensione / formato_.pagina > 0xFFFFFFu)
            throw danneggiato(QStringLiteral("file troppo grande"));
        pagine_ = static_cast<std::uint32_t>(dimensione / formato_.pagina);
        // Whole pages only: a large file's start is a multiple of both page sizes.
        inizio_.quante = static_cast<std::uint32_t>(inizio / formato_.pagina);
        // The header lies within the first page, read already.
        const IntestazioneJet letta =
            LeggiIntestazione(reinterpret_cast<const char*>(intestazione), formato_.jet3);
        if (letta.cifrata)
            throw ErroreArchivio(QStringLiteral("Archivio protetto: %1 (il database è cifrato o "
                                                "protetto da password e non può essere letto)")
                                     .arg(nome));
        formato_.codePage = letta.codePage;
        byteInizio_ = inizio;
        if (primoPezzo == inizio)
            pezziArrivati_ = TuttiIPezzi(inizio);
        else
            lettoreInizio_ = std::thread(
                &PagineJet::leggiInizio, this,
                fila_ ? std::make_unique<FilaLetture::Turno>(fila_, posto.posto) : nullptr);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

PagineJet::~PagineJet() {
    chiusura_ = true;
    if (fila_)
        fila_->sveglia();
    if (lettoreInizio_.joinable())
        lettoreInizio_.join();
    rilascia();
    ::close(fd_);
}

void PagineJet::leggiByte(void* dove, std::size_t quanti, std::uint64_t da, Ricordo ricordo) const {
    const EsitoLettura letto = leggiTutto(fd_, dove, quanti, static_cast<off_t>(da));
    // A file that ends too soon is damaged, or being rewritten; a file the
    // system cannot read says why.
    if (letto == EsitoLettura::Errore)
        throw ArchivioNonLeggibile(nome_, errno);
    if (letto == EsitoLettura::FileFinito)
        throw DannoJet{QStringLiteral("pagina %1 illeggibile").arg(da / formato_.pagina)};
    ricorda(dove, quanti, da, ricordo);
}

void PagineJet::leggiInizio(std::unique_ptr<FilaLetture::Turno> turno) {
    const std::uint32_t tutti = TuttiIPezzi(byteInizio_);
    try {
        for (;;) {
            if (turno)
                turno->attendi([this] { return chiusura_ || pezzoVoluto_ != 0; });
            if (chiusura_)
                return;
            std::uint32_t pezzo = pezzoVoluto_;
            if (pezzo == 0)
                pezzo = static_cast<std::uint32_t>(std::countr_one(pezziArrivati_.load()));
            const std::uint64_t da = InizioPezzo(pezzo);
            const std::uint64_t fino = std::min(byteInizio_, InizioPezzo(pezzo + 1));
            leggiByte(inizio_.byte.get() + da, fino - da, da, Ricordo::Fisso);
            std::uint32_t arrivati = 0;
            {
                const std::lock_guard<std::mutex> blocco(mutexInizio_);
                arrivati =
                    pezziArrivati_.fetch_or(1u << pezzo, std::memory_order_release) | 1u << pezzo;
                if (pezzoVoluto_ == pezzo)
                    pezzoVoluto_ = 0;
            }
            arrivoInizio_.notify_all();
            if (arrivati == tutti)
                return;
        }
    } catch (...) {
        {
            const std::lock_guard<std::mutex> blocco(mutexInizio_);
            erroreInizio_ = std::current_exception();
        }
        arrivoInizio_.notify_all();
    }
}

void PagineJet::attendiInizio(std::uint32_t numero) const {
    const std::uint32_t pezzo = PezzoDi(std::uint64_t{numero} * formato_.pagina);
    const std::uint32_t bit = 1u << pezzo;
    if (pezziArrivati_.load(std::memory_order_acquire) & bit)
        return;
    std::unique_lock<std::mutex> blocco(mutexInizio_);
    if (!(pezziArrivati_ & bit) && !erroreInizio_) {
        // The reader takes this piece next, out of its turn.
        pezzoVoluto_ = pezzo;
        if (fila_) {
            blocco.unlock();
            fila_->sveglia();
            blocco.lock();
        }
    }
    arrivoInizio_.wait(blocco, [&] { return (pezziArrivati_ & bit) || erroreInizio_; });
    if (!(pezziArrivati_ & bit))
        std::rethrow_exception(erroreInizio_);
}

void PagineJet::dimenticaCache() const {
    // Pages waiting to be written are left alone, and other programs lose
    // nothing but pages they would read again from the server.
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_DONTNEED);
}

void PagineJet::ricorda(const void* letti, std::size_t quanti, std::uint64_t da,
                        Ricordo ricordo) const {
    if (!ricordaLetture_)
        return;
    const Lettura lettura{da, quanti, Impronta(letti, quanti)};
    const std::lock_guard<std::mutex> blocco(mutexLetture_);
    if (ricordo == Ricordo::Passeggero) {
        letture_.push_back(lettura);
        return;
    }
    letture_.insert(letture_.begin() + static_cast<std::ptrdiff_t>(lettureFisse_), lettura);
    ++lettureFisse_;
}

bool PagineJet::invariato() const {
    // The requests are made again by as many threads as percorri() keeps on
    // their way, each taking every so many of them, so that the round trips
    // overlap here too.
    const std::lock_guard<std::mutex> blocco(mutexLetture_);
    if (!letture_.empty())
        dimenticaCache();
    std::atomic<bool> uguale{true};
    const auto confronta = [&](std::size_t primo) {
        std::vector<std::uint8_t> ancora;
        for (std::size_t i = primo; i < letture_.size() && uguale; i += kRichiesteInVolo) {
            const Lettura& lettura = letture_[i];
            ancora.resize(lettura.quanti);
            if (leggiTutto(fd_, ancora.data(), lettura.quanti, static_cast<off_t>(lettura.da)) !=
                    EsitoLettura::Completa ||
                Impronta(ancora.data(), lettura.quanti) != lettura.impronta)
                uguale = false;
        }
    };
    std::vector<std::future<void>> fili;
    for (std::size_t primo = 1; primo < std::min(kRichiesteInVolo, letture_.size()); ++primo)
        fili.push_back(std::async(std::launch::async, confronta, primo));
    confronta(0);
    for (std::future<void>& filo : fili)
        filo.get();
    return uguale;
}

void PagineJet::leggiTratto(std::uint32_t prima, std::uint32_t quante, Tratto& tratto) const {
    const std::size_t byte = std::size_t{quante} * formato_.pagina;
    tratto.quante = 0;
    if (!tratto.byte)
        tratto.byte = NuovoBlocco(kRichiestaMassima);
    leggiByte(tratto.byte.get(), byte, std::uint64_t{prima} * formato_.pagina, Ricordo::Passeggero);
    tratto.prima = prima;
    tratto.quante = quante;
}

ByteJet PagineJet::pagina(std::uint32_t numero, PaginaJet& appoggio) const {
    if (numero == 0 || numero >= pagine_)
        throw DannoJet{QStringLiteral("riferimento alla pagina %1, fuori dal file").arg(numero)};
    if (inizio_.contiene(numero)) {
        attendiInizio(numero);
        return inizio_.vista(numero, formato_.pagina);
    }
    if (corrente_ && corrente_->contiene(numero))
        return corrente_->vista(numero, formato_.pagina);
    if (appoggio.numero == numero && appoggio.byte.size() == formato_.pagina)
        return appoggio.vista();
    appoggio.numero = 0;
    if (const auto letta = singole_.find(numero); letta != singole_.end()) {
        appoggio.byte = letta->second;
    } else {
        appoggio.byte.resize(formato_.pagina);
        leggiByte(appoggio.byte.data(), formato_.pagina, std::uint64_t{numero} * formato_.pagina,
                  Ricordo::Passeggero);
        tieniSingola(numero, appoggio.byte);
    }
    appoggio.numero = numero;
    return appoggio.vista();
}

void PagineJet::tieniSingola(std::uint32_t numero, std::vector<std::uint8_t> byte) const {
    if (singole_.size() == kSingoleMassime)
        singole_.clear();
    singole_.insert_or_assign(numero, std::move(byte));
}

void PagineJet::tieniPagineFraLeVolute(const Tratto& tratto, const std::uint32_t* volute,
                                       const std::uint32_t* fine,
                                       const std::function<bool(ByteJet)>& daTenere) const {
    for (std::uint32_t numero = tratto.prima; numero - tratto.prima < tratto.quante; ++numero) {
        while (volute != fine && *volute < numero)
            ++volute;
        if (volute != fine && *volute == numero)
            continue;
        const ByteJet pagina = tratto.vista(numero, formato_.pagina);
        if (daTenere(pagina))
            tieniSingola(numero, {pagina.data(), pagina.data() + pagina.size()});
    }
}

std::vector<PagineJet::Richiesta>
PagineJet::raggruppa(const std::vector<std::uint32_t>& numeri) const {
    const std::uint64_t pagineRichiesta = kRichiestaMassima / formato_.pagina;
    const std::uint64_t salto = kSaltoMassimo / formato_.pagina;
    std::vector<Richiesta> richieste;
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const std::uint32_t voluta = numeri[i];
        if (voluta == 0 || voluta >= pagine_ || inizio_.contiene(voluta) ||
            (!richieste.empty() && voluta >= richieste.back().prima &&
             voluta - richieste.back().prima < richieste.back().quante))
            continue;
        // The pages of a short gap between the pages wanted are read too:
        // they are mostly the table's long values, which the rows around
        // them point to. What the previous request left of such a gap is
        // read with this one.
        std::uint32_t prima = voluta;
        if (!richieste.empty()) {
            const std::uint32_t fine = richieste.back().prima + richieste.back().quante;
            if (voluta > fine && voluta - fine <= salto)
                prima = fine;
        }
        // The following pages join while the gaps are short and the request
        // stays within its size.
        std::uint32_t ultima = voluta;
        std::size_t j = i + 1;
        for (; j < numeri.size(); ++j) {
            const std::uint32_t seguente = numeri[j];
            if (seguente >= pagine_ || seguente <= ultima || seguente - prima >= pagineRichiesta ||
                seguente - ultima - 1 > salto)
                break;
            ultima = seguente;
        }
        // It reaches into a short gap that follows, as far as its size allows.
        if (j < numeri.size() && numeri[j] < pagine_ && numeri[j] > ultima &&
            numeri[j] - ultima - 1 <= salto)
            ultima = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(numeri[j] - 1, prima + pagineRichiesta - 1));
        richieste.push_back({prima, ultima - prima + 1, voluta});
    }
    return richieste;
}

void PagineJet::percorri(const std::vector<std::uint32_t>& numeri,
                         const std::function<void(std::uint32_t, ByteJet)>& fai,
                         const std::function<bool(ByteJet)>& daTenere) const {
    const std::vector<Richiesta> richieste = raggruppa(numeri);
    const auto leggi = [&](std::size_t k, std::size_t buffer) {
        leggiTratto(richieste[k].prima, richieste[k].quante, tratti_[buffer]);
    };
    corrente_ = nullptr;
    // On a local disk each request is made by this thread when its pages are
    // wanted, into the one buffer.
    std::optional<LettureInVolo> inVolo;
    tratti_.resize(inParallelo_ ? kRichiesteInVolo + 1 : 1);
    if (inParallelo_)
        inVolo.emplace(richieste.size(), kRichiesteInVolo, leggi);
    std::size_t consegnate = 0;
    PaginaJet appoggio;
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const std::uint32_t numero = numeri[i];
        if (consegnate < richieste.size() && numero == richieste[consegnate].voluta) {
            std::size_t buffer = 0;
            if (inVolo)
                buffer = inVolo->consegna(consegnate);
            else
                leggi(consegnate, buffer);
            corrente_ = &tratti_[buffer];
            ++consegnate;
            if (daTenere)
                tieniPagineFraLeVolute(*corrente_, numeri.data() + i, numeri.data() + numeri.size(),
                                       daTenere);
        }
        fai(numero, pagina(numero, appoggio));
    }
}

void PagineJet::rilascia() const {
    corrente_ = nullptr;
    tratti_.clear();
    singole_.clear();
    const std::lock_guard<std::mutex> blocco(mutexLetture_);
    letture_.resize(lettureFisse_);
}

void PagineJet::fissaLetture() {
    const std::lock_guard<std::mutex> blocco(mutexLetture_);
    lettureFisse_ = letture_.size();
}

} // namespace jet
