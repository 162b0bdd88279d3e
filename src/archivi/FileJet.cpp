#include "archivi/FileJet.h"

#include "archivi/CatalogoJet.h"
#include "archivi/DefinizioneJet.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/FileSystemRemoto.h"
#include "archivi/FiltroJet.h"
#include "archivi/IdentitaFile.h"
#include "archivi/PagineJet.h"
#include "archivi/RigheJet.h"
#include "archivi/ScomposizioneRiga.h"
#include "archivi/ValoreJet.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <exception>
#include <optional>
#include <thread>

#include <sys/stat.h>

namespace {

// A file that keeps changing is read again for this long before giving up.
constexpr std::chrono::milliseconds kAttesaMassima{2000};
constexpr std::chrono::milliseconds kPrimaPausa{10};
constexpr std::chrono::milliseconds kPausaMassima{200};

// Raised inside an attempt when the file it opened is not the one it found
// at the start: the attempt is made again.
struct FileSostituito {};

std::chrono::nanoseconds adesso() {
    return std::chrono::system_clock::now().time_since_epoch();
}

} // namespace

// The file is decoded from its pages: the catalog names the tables and
// their definition pages, the definition gives the columns and the usage
// map, and the rows are walked page by page.
//
// Other programs of the suite write the file while it is read, without
// locks on our side. So every reading is made on one state of the file: its
// identity is taken before and after, and a reading during which it
// changed, or that began right after a change (the update may not be over),
// is made again after a short pause; what it found counts only when the file
// stood still throughout. A writer may also be held up in the middle of an
// update for longer than that pause, leaving a torn file that stands still:
// damage, or a usage map that lists pages of another table or none (the
// pages of the catalog or of the table were rewritten in part), is believed
// only when the file has stood still for a while; until then the file is
// read again. Where the identity lags behind the content (a share),
// what was read is also read again and compared. A file that does not settle
// within a couple of seconds is reported as being changed.
struct FileJet::Dati {
    QString percorso;
    QString nome;
    // On a network file system that keeps what it read (an SMB or NFS
    // share, say) the identity lags behind the content: what was read
    // is read again and compared, the start of the file and the catalog's
    // pages at every later reading too.
    bool suRemoto = false;
    // On a disk of this machine the runs of pages are read one after the
    // other; elsewhere several are on their way at once.
    bool suDisco = false;
    jet::PostoInFila posto;
    // The state of the file that `pagine` and `catalogo` were read from,
    // and that the last reading found.
    std::optional<IdentitaFile> stato;
    std::optional<jet::PagineJet> pagine;
    std::vector<jet::VoceCatalogo> catalogo;

    const jet::VoceCatalogo& voce(const QString& tabella) const;
    // Runs `lavoro`, turning damage found on the way into ErroreArchivio.
    template <typename F> auto protetto(F lavoro) const -> decltype(lavoro());
    // Runs `lavoro` on one state of the file, again as long as needed.
    template <typename F> auto coerente(F lavoro) -> decltype(lavoro());
    // Sleeps `quanto`, or says that the file keeps changing when that would
    // end past `limite`.
    void attendiEntro(std::chrono::steady_clock::time_point limite,
                      std::chrono::nanoseconds quanto) const;
    // Opens the file and reads its catalog, unless they are of state `prima`.
    void prepara(const IdentitaFile& prima);
    // Whether the file is still in state `prima`, and still holds what was
    // read of it where its identity cannot tell (a network file system).
    bool fermo(const IdentitaFile& prima) const;
    IdentitaFile identitaAttuale() const;
};

template <typename F> auto FileJet::Dati::protetto(F lavoro) const -> decltype(lavoro()) {
    try {
        return lavoro();
    } catch (const jet::DannoJet& danno) {
        throw ErroreArchivio(
            QStringLiteral("Archivio danneggiato: %1 (%2)").arg(nome, danno.dettaglio));
    }
}

IdentitaFile FileJet::Dati::identitaAttuale() const {
    const std::optional<IdentitaFile> identita = IdentitaDi(percorso);
    if (!identita)
        throw ArchivioNonLeggibile(nome, errno);
    return *identita;
}

void FileJet::Dati::prepara(const IdentitaFile& prima) {
    if (stato == prima && pagine)
        return;
    stato.reset();
    pagine.reset();
    pagine.emplace(percorso, nome, suRemoto, !suDisco, posto);
    if (pagine->identita() != prima)
        throw FileSostituito{};
    catalogo = protetto([this] { return jet::LeggiCatalogo(*pagine); });
    pagine->fissaLetture();
    stato = prima;
}

bool FileJet::Dati::fermo(const IdentitaFile& prima) const {
    return IdentitaDi(percorso) == prima && (!pagine || pagine->invariato());
}

template <typename F> auto FileJet::Dati::coerente(F lavoro) -> decltype(lavoro()) {
    using Orologio = std::chrono::steady_clock;
    const Orologio::time_point limite = Orologio::now() + kAttesaMassima;
    std::chrono::nanoseconds pausa = kPrimaPausa;
    // Where the file times lag (a network file system), the file is known to stand
    // still only from the moment a reading was first found suspect.
    std::optional<std::chrono::nanoseconds> sospettaDa;
    for (;;) {
        const IdentitaFile prima = identitaAttuale();
        if (const std::chrono::nanoseconds attesa = prima.attesaDopoModifica(adesso());
            attesa.count() > 0) {
            attendiEntro(limite, attesa);
            continue;
        }
        std::optional<decltype(lavoro())> risultato;
        std::exception_ptr errore;
        try {
            prepara(prima);
            risultato.emplace(protetto(lavoro));
        } catch (const Errore&) {
            errore = std::current_exception();
        } catch (const FileSostituito&) {
        }
        const bool letto = risultato || errore;
        if (letto && fermo(prima)) {
            if (risultato && !pagine->paginaEstranea()) {
                pagine->rilascia();
                return std::move(*risultato);
            }
            // Damage, or pages of two states, in a file that stood still
            // throughout: a writer held up half way, believed only once the
            // file has stood still for longer than such a hold-up lasts. A
            // stray page left that long is an old file's, which is read as
            // the readers of Access files read it.
            if (!sospettaDa)
                sospettaDa = adesso();
            const std::chrono::nanoseconds resta = prima.attesaPrimaDelDanno(
                adesso(), suRemoto ? *sospettaDa : std::chrono::nanoseconds{0});
            if (resta.count() <= 0) {
                if (pagine)
                    pagine->rilascia();
                if (errore)
                    std::rethrow_exception(errore);
                return std::move(*risultato);
            }
            stato.reset();
            pagine.reset();
            // While it stands still, the file is waited for past the limit:
            // only a change resumed after it says that it keeps changing.
            std::this_thread::sleep_for(std::min(pausa, resta));
        } else {
            stato.reset();
            pagine.reset();
            attendiEntro(limite, pausa);
        }
        pausa = std::min<std::chrono::nanoseconds>(pausa * 2, kPausaMassima);
    }
}

void FileJet::Dati::attendiEntro(std::chrono::steady_clock::time_point limite,
                                 std::chrono::nanoseconds quanto) const {
    if (std::chrono::steady_clock::now() + quanto > limite)
        throw ErroreArchivio(QStringLiteral("L'archivio %1 è in corso di modifica da parte di "
                                            "un altro programma: riprovare fra un momento.")
                                 .arg(nome));
    std::this_thread::sleep_for(quanto);
}

const jet::VoceCatalogo& FileJet::Dati::voce(const QString& tabella) const {
    for (const jet::VoceCatalogo& v : catalogo) {
        if (v.nome.compare(tabella, Qt::CaseInsensitive) == 0)
            return v;
    }
    throw ErroreArchivio(
        QStringLiteral("Tabella non trovata: %1 nell'archivio %2").arg(tabella, nome));
}

FileJet::FileJet(const QString& percorso, jet::PostoInFila posto) : d_(std::make_unique<Dati>()) {
    d_->percorso = percorso;
    d_->posto = std::move(posto);
    d_->nome = QFileInfo(percorso).fileName();
    // The device is this machine's own number for the mount, so the
    // attributes it keeps tell it without a round trip to a server.
    struct stat montaggio {};
    if (::stat(QFile::encodeName(percorso).constData(), &montaggio) != 0)
        throw ArchivioNonLeggibile(d_->nome, errno);
    const std::string tipo = TipoFileSystem(montaggio.st_dev);
    d_->suRemoto = FileSystemRemoto(tipo);
    d_->suDisco = FileSystemSuDisco(tipo);
    d_->coerente([] { return true; });
}

FileJet::~FileJet() = default;

QString FileJet::nome() const {
    return d_->nome;
}

bool FileJet::cambiato() const {
    return IdentitaDi(d_->percorso) != d_->stato;
}

QStringList FileJet::tabelle() const {
    return d_->coerente([this] {
        QStringList nomi;
        for (const jet::VoceCatalogo& v : d_->catalogo) {
            if (v.utente)
                nomi << v.nome;
        }
        return nomi;
    });
}

std::vector<QString> FileJet::campi(const QString& tabella) const {
    return d_->coerente([&] {
        const jet::VoceCatalogo& voce = d_->voce(tabella);
        std::vector<QString> nomi;
        for (const jet::ColonnaJet& colonna :
             jet::LeggiDefinizione(*d_->pagine, voce.pagina).colonne)
            nomi.push_back(colonna.nome);
        return nomi;
    });
}

Tabella FileJet::leggi(const QString& tabella, const Criterio* dove) const {
    return d_->coerente([&] {
        const jet::VoceCatalogo& voce = d_->voce(tabella);
        const jet::PagineJet& file = *d_->pagine;
        const jet::DefinizioneJet definizione = jet::LeggiDefinizione(file, voce.pagina);
        Tabella risultato;
        risultato.nome = voce.nome;
        risultato.archivio = d_->nome;
        for (const jet::ColonnaJet& colonna : definizione.colonne) {
            risultato.campi.push_back(colonna.nome);
            risultato.generi.push_back(jet::GenereColonna(colonna.tipo));
        }

        // The condition is tested on the stored bytes of the fields it
        // names; only the rows that meet it are split and decoded.
        std::vector<std::size_t> colonneCriterio;
        if (dove) {
            std::vector<int> colonneDeiCampi;
            for (const QString& campo : dove->campi()) {
                const int i = risultato.indiceCampo(campo);
                if (i < 0)
                    throw ErroreArchivio(
                        QStringLiteral("Campo non trovato: %1 nella tabella %2 dell'archivio %3")
                            .arg(campo, voce.nome, d_->nome));
                colonneCriterio.push_back(static_cast<std::size_t>(i));
                colonneDeiCampi.push_back(i);
            }
            // A comparison Jet refuses fails the whole read, before any row.
            risultato.verificaCriterio(*dove, colonneDeiCampi);
        }
        std::optional<jet::FiltroJet> filtro;
        if (dove)
            filtro.emplace(file, definizione, *dove, colonneCriterio);

        jet::ScomposizioneRiga scomposizione(file.formato(), definizione);
        jet::PaginaJet appoggio;
        jet::righe::Percorri(file, definizione, [&](jet::ByteJet riga) {
            if (filtro) {
                scomposizione.leggi(riga);
                if (!filtro->accetta(scomposizione, appoggio))
                    return;
            }
            const std::vector<jet::CampoJet>& campi = scomposizione.scomponi(riga);
            std::vector<Valore> valori;
            valori.reserve(campi.size());
            for (std::size_t i = 0; i < campi.size(); ++i)
                valori.push_back(
                    jet::DecodificaCampo(file, definizione.colonne[i], campi[i], appoggio));
            risultato.righe.push_back(std::move(valori));
        });
        return risultato;
    });
}
