#include "batch/AvviaConCaratteri.h"

#include "batch/EseguiBatch.h"
#include "routines/MotivoDiSistema.h"
#include "routines/ScriviMessaggio.h"

#include <QTextStream>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

int AvviaConCaratteri(char** argv) {
    std::error_code errore;
    const std::filesystem::path programma =
        (std::filesystem::read_symlink("/proc/self/exe", errore).parent_path() /
         TS_PROGRAMMA_CON_CARATTERI)
            .lexically_normal();
    if (!errore)
        execv(programma.c_str(), argv);
    const int causa = errore ? errore.value() : errno;
    QTextStream errori(stderr);
    errori.setEncoding(QStringConverter::Utf8);
    ScriviMessaggio(errori,
                    {QStringLiteral("Errore imprevisto del programma: %1 non avviato (%2).")
                         .arg(QString::fromStdString(programma.string()), MotivoDiSistema(causa))});
    return ErroreImprevisto;
}
