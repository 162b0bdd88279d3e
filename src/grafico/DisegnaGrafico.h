#pragma once

#include "grafico/ImpaginazioneGrafico.h"

#include <QPainter>

// Draws one sheet of the laid-out chart on a painter whose device has
// `unitaPerPunto` units per point, origin at the sheet's top left corner.
// The kinds of stay are told apart by grey shading that a black and white
// printer keeps, and by a mark: a dot for registered guests, an empty
// square for a reservation, a full square for a confirmed one.
void DisegnaPaginaGrafico(QPainter& pittore, const PaginaGrafico& pagina, double unitaPerPunto);
