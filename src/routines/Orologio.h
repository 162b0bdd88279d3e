#pragma once

#include <QDateTime>

#include <optional>

// The system clock as the program sees it. Tests and the batch command can
// fix it, so that dates completed from two digits and the time printed in a
// report's title are reproducible.
QDateTime Adesso();
void FissaOrologio(std::optional<QDateTime> istante);
