#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The shared folder of real Access files and their manifest, when present.
struct CampioniAccess {
    QString cartella;
    QJsonArray file;

    bool presenti() const { return !cartella.isEmpty(); }
    QString percorso(const QJsonObject& voce) const;

    // Reads the manifest once; an empty cartella when the folder is absent.
    static const CampioniAccess& carica();
};

// Skips the current test, visibly, where the real files are not at hand.
#define RICHIEDI_CAMPIONI(campioni)                                                                \
    if (!(campioni).presenti())                                                                    \
    GTEST_SKIP() << "Prova saltata: cartella condivisa dei campioni Access assente "               \
                    "(TS_SHARED_DIR/access-samples)"
