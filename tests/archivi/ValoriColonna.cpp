#include "prove/archivi/ValoriColonna.h"

std::vector<Valore> ValoriColonna(const Recordset& righe, const QString& campo) {
    std::vector<Valore> valori;
    const int indice = righe.IndiceCampo(campo);
    for (std::size_t r = 0; r < righe.RecordCount(); ++r)
        valori.push_back(righe.valore(r, indice));
    return valori;
}
