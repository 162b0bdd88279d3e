#pragma once

#include <QSaveFile>

// Puts what was written into a QSaveFile in the file's place. The bytes Qt
// still holds in its buffer are written out and checked first: commit()
// reports success when only that last write failed (a full disk), and would
// put a truncated file in place of the whole previous one. False on any
// failure, the previous file then being left as it was; errno and the
// file's error tell why.
bool ConfermaSalvataggio(QSaveFile& file);
