#include "front/data/Tabella.h"

int Tabella::indiceCampo(const QString& campo) const {
    for (std::size_t i = 0; i < campi.size(); ++i) {
        if (campi[i].compare(campo, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}
