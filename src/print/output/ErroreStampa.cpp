#include "print/output/ErroreStampa.h"

#include <utility>

ErroreStampa::ErroreStampa(QString testo) : testo_(std::move(testo)), utf8_(testo_.toStdString()) {}
