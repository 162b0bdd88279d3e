#include "routines/ConfermaSalvataggio.h"

bool ConfermaSalvataggio(QSaveFile& file) {
    return file.flush() && file.commit();
}
