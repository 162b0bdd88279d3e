#include "prove/tableau/CondivisioneSmb.h"

#include <QProcess>

namespace {

// The status by which scripts/condivisione says that the share cannot start
// here.
constexpr int kSaltata = 77;

} // namespace

CondivisioneSmb::CondivisioneSmb(const QString& cartella)
    : script_(qEnvironmentVariable("TS_SOURCE_DIR") + QStringLiteral("/scripts/condivisione")),
      stato_(qEnvironmentVariable("TS_BUILD_DIR") + QStringLiteral("/tests/tableau/condivisione")) {
    QProcess avvio;
    avvio.start(script_, {QStringLiteral("avvia"), stato_, cartella});
    if (!avvio.waitForFinished(60000)) {
        avvio.kill();
        avvio.waitForFinished();
    }
    const QString errori = QString::fromUtf8(avvio.readAllStandardError()).trimmed();
    if (avvio.exitStatus() == QProcess::NormalExit && avvio.exitCode() == 0)
        montata_ = QString::fromUtf8(avvio.readAllStandardOutput()).trimmed();
    else if (avvio.exitStatus() == QProcess::NormalExit && avvio.exitCode() == kSaltata)
        saltata_ = errori;
    else
        errore_ = QStringLiteral("scripts/condivisione avvia non riuscito (esito %1): %2")
                      .arg(avvio.exitCode())
                      .arg(errori);
}

CondivisioneSmb::~CondivisioneSmb() {
    QProcess::execute(script_, {QStringLiteral("ferma"), stato_});
}
