#pragma once

#include <QString>

// The reason for a failed file or device operation, in Italian, for the
// messages shown to the user; unusual codes keep the system's own text.
QString MotivoDiSistema(int codiceErrore);
