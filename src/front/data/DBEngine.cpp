#include "front/data/DBEngine.h"

#include "front/data/FileJet.h"
#include "front/data/TrovaArchivio.h"

DBEngine& DBEngine::istanza() {
    static DBEngine engine;
    return engine;
}

Database DBEngine::OpenDatabase(const QString& nomeFile) {
    return Database(std::make_shared<FileJet>(TrovaArchivio(nomeFile)));
}
