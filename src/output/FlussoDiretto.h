#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What shapes the bytes sent to a printer driven directly.
struct ImpostazioniDirette {
    // The five setup codes sent before the report (compressed or normal set).
    std::array<double, 5> codiciImpostazione{};
    int margineSuperiore = 0;      // blank lines at the top of every page
    int lunghezzaPagina = 60;      // lines counted on a page, margin included
    int lunghezzaRiempimento = 66; // lines a page is filled to with option "U"
    bool corniciInChiaro = false;  // option "K": frame bytes go out unconverted
    bool riempiPagina = false;     // option "U": empty lines instead of a form feed
};

// The setup sequence: one byte per code. A code that is no byte value (below
// 0 or above 255 once rounded) raises an output Errore naming the destination, so
// that nothing is sent with a wrong setup.
QByteArray SequenzaImpostazione(const std::array<double, 5>& codici, const QString& destinazione);

// Everything the target receives for the print file's lines: the setup
// sequence, then page by page the top margin, the lines with their frames
// converted (unless option "K") and the page ends. Without a print file
// (nullopt) the target receives the setup sequence alone.
QByteArray FlussoDiretto(const std::optional<QStringList>& righe,
                         const ImpostazioniDirette& impostazioni, const QString& destinazione);
