#include "front/data/FileJet.h"

#include "front/data/ErroreArchivio.h"

#include <QFileInfo>

#include <mdbtools.h>

// Reads tables through libmdb's row binding. Values arrive as libmdb's text
// and are turned back into typed values here.
struct FileJet::Dati {
    QString nome;
    MdbHandle* mdb = nullptr;
};

namespace {

struct Definizione {
    MdbTableDef* def = nullptr;
    ~Definizione() {
        if (def)
            mdb_free_tabledef(def);
    }
};

Valore converti(int tipo, const char* testo, int lunghezza, bool nullo) {
    if (nullo)
        return {};
    const QByteArray byte(testo, lunghezza);
    switch (tipo) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT: return Valore(static_cast<std::int64_t>(byte.toLongLong()));
    case MDB_FLOAT:
    case MDB_DOUBLE: return Valore(byte.toDouble());
    case MDB_MONEY: return Valore::valuta(static_cast<std::int64_t>(byte.toDouble() * 10000.0));
    default: return Valore(QString::fromUtf8(byte));
    }
}

} // namespace

FileJet::FileJet(const QString& percorso) : d_(std::make_unique<Dati>()) {
    d_->nome = QFileInfo(percorso).fileName();
    d_->mdb = mdb_open(QFile::encodeName(percorso).constData(), MDB_NOFLAGS);
    if (!d_->mdb || !mdb_read_catalog(d_->mdb, MDB_TABLE))
        throw ErroreArchivio(QStringLiteral("Archivio non leggibile: %1").arg(d_->nome));
}

FileJet::~FileJet() {
    if (d_->mdb)
        mdb_close(d_->mdb);
}

QString FileJet::nome() const { return d_->nome; }

QStringList FileJet::tabelle() const {
    QStringList nomi;
    for (unsigned i = 0; i < d_->mdb->num_catalog; ++i) {
        auto* voce = static_cast<MdbCatalogEntry*>(g_ptr_array_index(d_->mdb->catalog, i));
        if (voce->object_type == MDB_TABLE && !mdb_is_system_table(voce))
            nomi << QString::fromUtf8(voce->object_name);
    }
    return nomi;
}

std::vector<QString> FileJet::campi(const QString& tabella) const { return leggi(tabella).campi; }

Tabella FileJet::leggi(const QString& tabella, const Criterio* dove) const {
    QByteArray nome = tabella.toUtf8();
    Definizione t{mdb_read_table_by_name(d_->mdb, nome.data(), MDB_TABLE)};
    if (!t.def || !mdb_read_columns(t.def))
        throw ErroreArchivio(QStringLiteral("Tabella non trovata: %1 nell'archivio %2").arg(tabella, d_->nome));
    Tabella risultato;
    risultato.nome = tabella;
    const unsigned n = t.def->num_cols;
    std::vector<QByteArray> buffer(n, QByteArray(MDB_BIND_SIZE, '\0'));
    std::vector<int> lunghezze(n);
    std::vector<int> tipi(n);
    for (unsigned i = 0; i < n; ++i) {
        auto* colonna = static_cast<MdbColumn*>(g_ptr_array_index(t.def->columns, i));
        risultato.campi.push_back(QString::fromUtf8(colonna->name));
        tipi[i] = colonna->col_type;
        mdb_bind_column(t.def, static_cast<int>(i + 1), buffer[i].data(), &lunghezze[i]);
    }
    std::vector<std::size_t> indici;
    if (dove) {
        for (const QString& campo : dove->campi()) {
            const int i = risultato.indiceCampo(campo);
            if (i < 0)
                throw ErroreArchivio(QStringLiteral("Campo non trovato: %1 nella tabella %2").arg(campo, tabella));
            indici.push_back(static_cast<std::size_t>(i));
        }
    }
    mdb_rewind_table(t.def);
    while (mdb_fetch_row(t.def)) {
        std::vector<Valore> riga;
        riga.reserve(n);
        for (unsigned i = 0; i < n; ++i) {
            auto* colonna = static_cast<MdbColumn*>(g_ptr_array_index(t.def->columns, i));
            riga.push_back(converti(tipi[i], buffer[i].constData(), lunghezze[i], colonna->cur_value_len == 0 && tipi[i] != MDB_BOOL));
        }
        if (dove && !dove->vale([&](std::size_t k) -> const Valore& { return riga[indici[k]]; }))
            continue;
        risultato.righe.push_back(std::move(riga));
    }
    return risultato;
}
