#include "archivi/Database.h"

#include "archivi/DBEngine.h"
#include "archivi/ErroreArchivio.h"
#include "archivi/FileJet.h"

namespace {

const Criterio* oNulla(const std::optional<Criterio>& criterio) {
    return criterio ? &*criterio : nullptr;
}

} // namespace

Database::Database(std::shared_ptr<FileJet> file) : file_(std::move(file)) {}

const FileJet& Database::file() const {
    if (!file_)
        throw ErroreArchivio(QStringLiteral("Archivio già chiuso"));
    return *file_;
}

Recordset Database::OpenRecordset(const QString& tabella) const {
    return Recordset(std::make_shared<const Tabella>(file().leggi(tabella)));
}

Recordset Database::OpenRecordset(const Selezione& selezione) const {
    if (!selezione.in)
        return Recordset(std::make_shared<const Tabella>(
            file().leggi(selezione.tabella, oNulla(selezione.dove))));

    // The inner selection gives the key values; the outer scan keeps the
    // records whose field is one of them.
    const Selezione::In& in = *selezione.in;
    Database interno = DBEngine::istanza().OpenDatabase(in.fileInterno);
    const Tabella righeInterne = interno.file().leggi(in.tabellaInterna, oNulla(in.doveInterno));
    const int colonna = righeInterne.indiceCampo(in.campoInterno);
    if (colonna < 0)
        throw ErroreArchivio(QStringLiteral("Campo non trovato: %1 nella tabella %2")
                                 .arg(in.campoInterno, in.tabellaInterna));
    interno.Close();
    std::vector<Valore> chiavi;
    chiavi.reserve(righeInterne.righe.size());
    for (const auto& riga : righeInterne.righe)
        chiavi.push_back(riga[static_cast<std::size_t>(colonna)]);
    Criterio condizione = Criterio::tra(in.campo, chiavi, righeInterne.genere(colonna));
    if (selezione.dove)
        condizione = *selezione.dove && condizione;
    return Recordset(std::make_shared<const Tabella>(file().leggi(selezione.tabella, &condizione)));
}

QStringList Database::tabelle() const {
    return file().tabelle();
}

QString Database::nome() const {
    return file().nome();
}

bool Database::cambiatoSulDisco() const {
    return file().cambiato();
}

void Database::Close() {
    file_.reset();
}
