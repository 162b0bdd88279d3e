#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <optional>

// The sheet the week chart is drawn on: A4, A3 or US letter, landscape
// unless asked upright.
struct FoglioGrafico {
    enum class Carta { A4, A3, Letter };

    Carta carta = Carta::A4;
    bool verticale = false;

    QPageSize formato() const;
    // Width and height in points, as the sheet is turned.
    QSizeF misura() const;

    // "A3", "A4" or "letter", in any case; nothing for another name.
    static std::optional<Carta> cartaDaNome(const QString& nome);
};
