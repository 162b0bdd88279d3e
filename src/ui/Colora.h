#pragma once

#include "ui/Aspetto.h"

#include <QPalette>

#include <initializer_list>

class QWidget;

// Gives a widget's palette roles one colour (for the layer's own use).
void Colora(QWidget& widget, std::initializer_list<QPalette::ColorRole> ruoli, Colore colore);
