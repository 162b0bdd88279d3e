#include "prove/archivi/CampioniAccess.h"

#include "prove/util/CartellaDiProva.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

QString CampioniAccess::percorso(const QJsonObject& voce) const {
    return QDir(cartella).filePath(voce[u"file"].toString());
}

const CampioniAccess& CampioniAccess::carica() {
    static const CampioniAccess campioni = [] {
        CampioniAccess c;
        const QString condivisa = CartellaCondivisa();
        if (condivisa.isEmpty())
            return c;
        QFile manifesto(QDir(condivisa).filePath(QStringLiteral("access-samples/manifest.json")));
        if (!manifesto.open(QIODevice::ReadOnly))
            return c;
        c.file = QJsonDocument::fromJson(manifesto.readAll()).object()[u"files"].toArray();
        c.cartella = QDir(condivisa).filePath(QStringLiteral("access-samples"));
        return c;
    }();
    return campioni;
}
