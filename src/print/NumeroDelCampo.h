#pragma once

#include "archivi/Valore.h"

// A field read "through its text, as a number": a number as it is, a text
// by LeggiValore, a null as 0.
double NumeroDelCampo(const Valore& valore);
