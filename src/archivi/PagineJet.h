#pragma once

#include "archivi/BloccoByte.h"
#include "archivi/ByteJet.h"
#include "archivi/FilaLetture.h"
#include "archivi/IdentitaFile.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace jet {

// Where the structures of a page lie, for the two layouts: Jet 3 (Access 97,
// 2 KiB pages, one-byte counts in rows) and Jet 4 (Access 2000 and later,
// including the ACE files, 4 KiB pages, two-byte counts).
struct FormatoJet {
    bool jet3 = false;
    std::uint32_t pagina = 4096;
    // Data pages: the row count, followed by the table of row offsets.
    std::size_t numeroRighe = 12;
    // Table definitions.
    std::size_t tdefRighe = 16;
    std::size_t tdefColonneVariabili = 43;
    std::size_t tdefColonne = 45;
    std::size_t tdefIndiciReali = 51;
    std::size_t tdefMappa = 55;
    std::size_t tdefInizioColonne = 63;
    std::size_t indiceReale = 12;
    std::size_t colonna = 25;
    std::size_t colonnaNumero = 5;
    std::size_t colonnaVariabile = 7;
    std::size_t colonnaScala = 12;
    std::size_t colonnaOpzioni = 15;
    std::size_t colonnaFissa = 21;
    std::size_t colonnaLunghezza = 23;
    // Rows: the width of the column count, of the variable-column count and
    // of each variable-column offset.
    std::size_t conteggio = 2;
    // The Windows code page the header declares for Jet 3 texts.
    std::uint16_t codePage = 1252;

    static FormatoJet jet3Formato();
    static FormatoJet jet4Formato();
};

// One page as read from the file.
struct PaginaJet {
    std::uint32_t numero = 0;
    std::vector<std::uint8_t> byte;
    ByteJet vista() const { return {byte.data(), byte.size()}; }
};

// A Jet database file opened read-only at the operating-system level: the
// descriptor is opened O_RDONLY, takes no lock and is only ever read with
// pread(2), so nothing in this process can write to it or get in the way of
// the programs that do. A file on a share costs a round trip per request,
// so pages are read in few large requests: the start of the file (all of a
// small file), a table's data pages in runs of adjacent pages, and the few
// pages read on their own kept for reuse. Where requests cost a round trip,
// opening reads only the first piece of the start; the rest follows in the
// background, piece by piece (in the turn of a queue, when given one), and a
// page of it is waited for only when it is first wanted, its piece then
// read out of turn: the decoding of the first pages overlaps the reading of
// the next. A file changed
// or cut short meanwhile gives damage, not a crash; telling a change from
// damage is the caller's work (see FileJet). Where a change need not show
// in the file's identity (a network file system), each request can be remembered by
// a digest of what it gave, so that invariato() tells whether the file
// still holds it.
class PagineJet {
  public:
    // Raises ErroreArchivio when the file cannot be opened, is not a Jet
    // database (wrong signature, empty, cut inside a page) or is encrypted:
    // all of it is told by the file's size and its first piece. A later
    // piece that cannot be read is the failure of the pages that wait for
    // it, as any other page's.
    // With `ricordaLetture` (a file whose identity lags behind its content),
    // every request is remembered for invariato(), and the file is read
    // from the server, not from what this machine keeps of it: a share's
    // client may keep pages that another workstation has since rewritten.
    // With `inParallelo` (requests that cost a round trip), percorri() keeps
    // several requests on their way, and the start is read in pieces, those
    // after the first in the background; with a place in a queue, in the
    // queue's turn (see FilaLetture).
    PagineJet(const QString& percorso, const QString& nome, bool ricordaLetture = false,
              bool inParallelo = false, PostoInFila posto = {});
    ~PagineJet();
    PagineJet(const PagineJet&) = delete;
    PagineJet& operator=(const PagineJet&) = delete;

    const FormatoJet& formato() const { return formato_; }
    std::uint32_t numeroPagine() const { return pagine_; }
    // The file as it was when opened; its size is the one the pages count from.
    const IdentitaFile& identita() const { return identita_; }

    // The bytes of page `numero`: a view of pages already read, or the page
    // read into `appoggio` (nothing to do when it holds it already). The view
    // lasts while `appoggio` is not reused and, for pages read by
    // percorri(), until it moves on. Page 0 is the file header and holds no
    // data: asking for it, or for a page past the end, is damage. A page of
    // the start not read yet is waited for.
    ByteJet pagina(std::uint32_t numero, PaginaJet& appoggio) const;

    // Calls `fai` with each page of `numeri` (ascending) and its bytes, read
    // in requests that each cover a run of them: pages with short gaps
    // between them are read together, up to a bounded size, so memory stays
    // bounded however large the table. Where each request costs a round
    // trip (a share, a FUSE file system) the next few are on their way at
    // once while the pages of one are handed over, so that their round trips
    // overlap with each other and with the decoding; on a local disk, whose
    // cache answers at once, they are made in turn, since threads would cost
    // more than they save. The pages of the short gaps are read too, and
    // those for which `daTenere` holds stay at hand for pagina() once their
    // request is handed over.
    void percorri(const std::vector<std::uint32_t>& numeri,
                  const std::function<void(std::uint32_t, ByteJet)>& fai,
                  const std::function<bool(ByteJet)>& daTenere = {}) const;

    // Drops what percorri() and the single pages have read, and the requests
    // remembered since fissaLetture(); the start of the file stays.
    void rilascia() const;

    // Whether every request remembered so far, made again now, gives what it
    // gave then (true when none is remembered).
    bool invariato() const;
    // The requests remembered so far stay remembered through rilascia(), for
    // what was drawn from them (the catalog) is kept too.
    void fissaLetture();

    // Notes that a table's usage map lists a page that is not one of the
    // table's data pages. The file's usage maps and pages then come from two
    // states: another program rewrote the pages of the table or of the
    // catalog and is not done yet (its writer held up half way), or an old
    // file keeps such a stray entry, which the readers of Access files pass
    // over. Telling the two apart by how long the file has stood still is
    // the caller's work (see FileJet).
    void notaPaginaEstranea() const { paginaEstranea_ = true; }
    bool paginaEstranea() const { return paginaEstranea_; }

  private:
    // Pages read together: `quante` pages from `prima`. The buffer is not
    // cleared: every byte of it that is looked at has been read into it.
    struct Tratto {
        std::uint32_t prima = 0;
        std::uint32_t quante = 0;
        BloccoByte byte;
        bool contiene(std::uint32_t numero) const;
        ByteJet vista(std::uint32_t numero, std::uint32_t dimensionePagina) const;
    };
    // A request of percorri(): `quante` pages from `prima`, handed over when
    // the walk reaches page `voluta`, the first of them it wants.
    struct Richiesta {
        std::uint32_t prima = 0;
        std::uint32_t quante = 0;
        std::uint32_t voluta = 0;
    };
    // The requests that read the pages of `numeri` not read yet, in order.
    std::vector<Richiesta> raggruppa(const std::vector<std::uint32_t>& numeri) const;
    void leggiTratto(std::uint32_t prima, std::uint32_t quante, Tratto& tratto) const;
    // Keeps a page with those read on their own.
    void tieniSingola(std::uint32_t numero, std::vector<std::uint8_t> byte) const;
    // Keeps the pages of a run for which `daTenere` holds and that are not
    // among the pages wanted from `volute` (in ascending order) to `fine`.
    void tieniPagineFraLeVolute(const Tratto& tratto, const std::uint32_t* volute,
                                const std::uint32_t* fine,
                                const std::function<bool(ByteJet)>& daTenere) const;
    // How a request is remembered, when requests are: those of the start
    // stay remembered through rilascia(), as the start stays.
    enum class Ricordo { Passeggero, Fisso };
    // Damage when the file is shorter than the pages asked for.
    void leggiByte(void* dove, std::size_t quanti, std::uint64_t da, Ricordo ricordo) const;
    // Drops the pages of the file that this machine keeps in memory, so that
    // the next requests reach the server.
    void dimenticaCache() const;
    // Remembers a request and the digest of what it gave, when asked to.
    void ricorda(const void* letti, std::size_t quanti, std::uint64_t da, Ricordo ricordo) const;
    // Reads the pieces of the start after the first, in the thread
    // `lettoreInizio_`: each in `turno` when there is one, the piece waited
    // for first; stops early when the file is closed.
    void leggiInizio(std::unique_ptr<FilaLetture::Turno> turno);
    // Returns once page `numero` of the start has arrived; raises what the
    // reading of the start raised when it could not be read.
    void attendiInizio(std::uint32_t numero) const;

    struct Lettura {
        std::uint64_t da = 0;
        std::size_t quanti = 0;
        std::size_t impronta = 0;
    };

    int fd_ = -1;
    QString nome_;
    FormatoJet formato_;
    std::uint32_t pagine_ = 0;
    IdentitaFile identita_;
    Tratto inizio_;
    // The runs of percorri(): the one whose pages it hands over (`corrente_`,
    // or none) and those being read, in turn.
    mutable std::vector<Tratto> tratti_;
    mutable const Tratto* corrente_ = nullptr;
    mutable std::unordered_map<std::uint32_t, std::vector<std::uint8_t>> singole_;
    bool ricordaLetture_ = false;
    bool inParallelo_ = false;
    // The requests made, when remembered; percorri() makes them from several
    // threads.
    mutable std::mutex mutexLetture_;
    mutable std::vector<Lettura> letture_;
    mutable std::size_t lettureFisse_ = 0;
    // The start as it arrives: the pieces read (a bit each), the piece that
    // a page waits for (none when 0: the first piece is read on opening),
    // and why the reading stopped short. They change under `mutexInizio_`,
    // `arrivoInizio_` told of each piece.
    std::uint64_t byteInizio_ = 0;
    std::atomic<std::uint32_t> pezziArrivati_{1};
    mutable std::atomic<std::uint32_t> pezzoVoluto_{0};
    mutable std::mutex mutexInizio_;
    mutable std::condition_variable arrivoInizio_;
    std::exception_ptr erroreInizio_;
    std::atomic<bool> chiusura_{false};
    std::shared_ptr<FilaLetture> fila_;
    std::thread lettoreInizio_;
    // Set from the thread that walks the pages, read after the walk.
    mutable std::atomic<bool> paginaEstranea_{false};
};

} // namespace jet
