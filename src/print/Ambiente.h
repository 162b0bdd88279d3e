#pragma once

#include <QString>

#include <optional>

// The value of an environment variable, its name matched without regard to
// case as on the system the suite was made for. When several spellings are
// set, the exact one wins, else the first in name order. Empty when unset.
std::optional<QString> VariabileAmbiente(const QString& nome);
