#pragma once

#include <QFont>

// The font of the week chart: Liberation Sans, which the package depends
// on, or DejaVu Sans; outlines without hinting, so that a text's width is
// the same at every resolution and the PDF embeds the font.
QFont CarattereGrafico(double punti, bool grassetto);

// The resolution the chart is measured and drawn at, in dots per inch.
inline constexpr int kRisoluzioneGrafico = 1200;
