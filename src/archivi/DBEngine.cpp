#include "archivi/DBEngine.h"

#include "archivi/FileJet.h"
#include "archivi/TrovaArchivio.h"

DBEngine& DBEngine::istanza() {
    static DBEngine engine;
    return engine;
}

Database DBEngine::OpenDatabase(const QString& nomeFile, jet::PostoInFila posto) {
    return Database(std::make_shared<FileJet>(TrovaArchivio(nomeFile), std::move(posto)));
}
