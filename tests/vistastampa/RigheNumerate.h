#pragma once

#include <QByteArray>

// Print-file lines of 100 characters ending in CR LF, each starting with its
// number in five digits (from `prima` on) and filled with `lettera`, so that
// the first and last lines of a block can be told apart.
QByteArray RigheNumerate(int prima, int quante, char lettera = 'x');
