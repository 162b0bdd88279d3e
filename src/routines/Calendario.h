#pragma once

#include <QString>

#include <array>

// Day names, Monday first, as the tableau heading shows them.
extern const std::array<QString, 7> kNomiGiorni;
