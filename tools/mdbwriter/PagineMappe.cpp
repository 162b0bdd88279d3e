#include "mdbwriter/PagineMappe.h"

#include "mdbwriter/ByteLE.h"

PagineMappe::PagineMappe(FileMdb& file, std::uint32_t prima)
    : file_(file), numero_(prima), pagina_(file.pagina(prima), 0) {}

std::uint32_t PagineMappe::aggiungi(const QByteArray& riga) {
    if (!pagina_.entra(static_cast<int>(riga.size()))) {
        numero_ = file_.nuovaPagina();
        pagina_ = PaginaDati(file_.pagina(numero_), 0);
    }
    return PaginaRiga(numero_, static_cast<unsigned>(pagina_.aggiungi(riga)));
}
