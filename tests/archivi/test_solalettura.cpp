// The database files belong to the suite: reading them must leave every byte
// and the modification time as they were, and the file is opened read-only
// by the operating system, so no code path could write to it. Nor may the
// reading take a lock or leave a lock file that the suite's programs, which
// write the files meanwhile, could trip over.

#include "prove/archivi/CampioniAccess.h"
#include "prove/util/CartellaDiProva.h"
#include "prove/util/StampaQString.h"

#include "archivi/DBEngine.h"
#include "archivi/Database.h"
#include "archivi/FileJet.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {

struct Stato {
    QByteArray impronta;
    QDateTime modifica;
    bool operator==(const Stato&) const = default;
};

Stato stato(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return {QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256),
            QFileInfo(percorso).fileTime(QFileDevice::FileModificationTime)};
}

// The access mode of every descriptor of this process open on `percorso`.
std::vector<int> modiDiApertura(const QString& percorso) {
    std::vector<int> modi;
    const QString reale = QFileInfo(percorso).canonicalFilePath();
    for (const QString& fd :
         QDir(QStringLiteral("/proc/self/fd"))
             .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        if (QFileInfo(QStringLiteral("/proc/self/fd/") + fd).symLinkTarget() != reale)
            continue;
        QFile info(QStringLiteral("/proc/self/fdinfo/") + fd);
        if (!info.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& riga : info.readAll().split('\n')) {
            if (riga.startsWith("flags:"))
                modi.push_back(static_cast<int>(riga.mid(6).trimmed().toInt(nullptr, 8)) &
                               O_ACCMODE);
        }
    }
    return modi;
}

void leggiOgniTabella(const QString& nomeFile) {
    Database archivio = DBEngine::istanza().OpenDatabase(nomeFile);
    for (const QString& tabella : archivio.tabelle()) {
        Recordset righe = archivio.OpenRecordset(tabella);
        righe.Close();
    }
    archivio.Close();
}

} // namespace

TEST(SolaLettura, IlFileEApertoInSolaLetturaDalSistema) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    CartellaDiProva cartella;
    const QString copia = cartella.percorso(QStringLiteral("Tableau.mdb"));
    ASSERT_TRUE(QFile::copy(campioni.cartella + QStringLiteral("/testV2000.mdb"), copia));
    ASSERT_TRUE(QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner));
    const FileJet file(copia);
    (void)file.leggi(QStringLiteral("Table1"));
    const std::vector<int> modi = modiDiApertura(copia);
    ASSERT_EQ(modi.size(), 1u);
    EXPECT_EQ(modi.front(), O_RDONLY);

    QFile blocchi(QStringLiteral("/proc/locks"));
    ASSERT_TRUE(blocchi.open(QIODevice::ReadOnly));
    const QByteArray processo = ' ' + QByteArray::number(QCoreApplication::applicationPid()) + ' ';
    for (const QByteArray& blocco : blocchi.readAll().split('\n'))
        EXPECT_FALSE(blocco.contains(processo)) << blocco.toStdString();
    EXPECT_EQ(QDir(cartella.percorso()).entryList(QDir::Files), QStringList{"Tableau.mdb"});
}

// On writable copies, so that a write would succeed if anything attempted it.
TEST(SolaLettura, CopieScrivibiliRestanoIdentiche) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    CartellaDiProva cartella;
    const QDateTime passato = QDateTime::fromSecsSinceEpoch(1'500'000'000);
    std::vector<std::pair<QString, Stato>> prima;
    for (const auto v : campioni.file) {
        const QString nome = v.toObject()[u"file"].toString();
        const QString copia = cartella.percorso(nome);
        ASSERT_TRUE(QFile::copy(campioni.percorso(v.toObject()), copia));
        ASSERT_TRUE(QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner));
        QFile file(copia);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(passato, QFileDevice::FileModificationTime));
        file.close();
        prima.emplace_back(nome, stato(copia));
    }
    for (const auto& [nome, statoPrima] : prima)
        leggiOgniTabella(nome);
    for (const auto& [nome, statoPrima] : prima) {
        SCOPED_TRACE(nome.toStdString());
        EXPECT_EQ(stato(cartella.percorso(nome)), statoPrima);
        EXPECT_EQ(statoPrima.modifica, passato);
    }
}

TEST(SolaLettura, CampioniCondivisiIntatti) {
    const CampioniAccess& campioni = CampioniAccess::carica();
    RICHIEDI_CAMPIONI(campioni);
    for (const auto v : campioni.file) {
        const QString percorso = campioni.percorso(v.toObject());
        SCOPED_TRACE(percorso.toStdString());
        const Stato statoPrima = stato(percorso);
        const FileJet file(percorso);
        for (const QString& tabella : file.tabelle())
            (void)file.leggi(tabella);
        EXPECT_EQ(stato(percorso), statoPrima);
    }
}
