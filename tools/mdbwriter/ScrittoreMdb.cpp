#include "mdbwriter/ScrittoreMdb.h"

#include "mdbwriter/Catalogo.h"
#include "mdbwriter/DataJet.h"
#include "mdbwriter/ErroreScrittura.h"
#include "mdbwriter/FileMdb.h"
#include "mdbwriter/Intestazione.h"
#include "mdbwriter/PagineMappe.h"
#include "mdbwriter/ScritturaTabella.h"
#include "routines/ConfermaSalvataggio.h"
#include "routines/MotivoDiSistema.h"

#include <QSaveFile>

#include <cerrno>

namespace {
constexpr std::uint32_t kPaginaIntestazione = 0;
constexpr std::uint32_t kPaginaMappe = 1;
} // namespace

ScrittoreMdb::ScrittoreMdb() : creazione_(QDate(2000, 1, 1), QTime(0, 0)) {}

ScrittoreMdb::~ScrittoreMdb() = default;

TabellaMdb& ScrittoreMdb::tabella(const QString& nome) {
    for (const auto& t : tabelle_)
        if (t->nome().compare(nome, Qt::CaseInsensitive) == 0)
            return *t;
    if (nome.startsWith(QStringLiteral("MSys"), Qt::CaseInsensitive))
        throw ErroreScrittura(QStringLiteral("Nome di tabella riservato: %1").arg(nome));
    tabelle_.push_back(std::make_unique<TabellaMdb>(nome));
    return *tabelle_.back();
}

QByteArray ScrittoreMdb::contenuto() const {
    const double data = GiorniJet(creazione_);
    FileMdb file(kPaginaCatalogo + 1);
    PagineMappe mappe(file, kPaginaMappe);
    std::vector<VoceCatalogo> voci;
    for (const auto& t : tabelle_) {
        const std::uint32_t definizione = file.nuovaPagina();
        ScriviTabella(*t, definizione, file, mappe);
        voci.push_back({t->nome(), definizione});
    }
    ScriviTabella(TabellaCatalogo(voci, data), kPaginaCatalogo, file, mappe);
    ScriviIntestazione(file.pagina(kPaginaIntestazione), data);
    return file.contenuto();
}

void ScrittoreMdb::salva(const QString& percorso) const {
    const QByteArray byte = contenuto();
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(byte) != byte.size() ||
        !ConfermaSalvataggio(file))
        throw ErroreScrittura(QStringLiteral("Impossibile scrivere %1: %2.")
                                  .arg(percorso, MotivoErroreFile(file, errno)));
}
