#pragma once

#include "print/ErroreStampa.h"

#include <QString>

// A request the report cannot carry out (a start date that names no day of
// the calendar). The message is Italian, ready to be shown as it is. It is
// a print error like the others for whoever shows them, so a caller that
// reports ErroreStampa reports this one too.
class ErroreTableau : public ErroreStampa {
  public:
    explicit ErroreTableau(const QString& messaggio) : ErroreStampa(messaggio) {}
};
