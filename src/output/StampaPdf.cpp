#include "output/StampaPdf.h"

#include "output/MisuraPagine.h"
#include "output/PaginaQt.h"
#include "routines/ConfermaSalvataggio.h"
#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace {

constexpr double kBordoMillimetri = 6.35;

[[noreturn]] void Fallito(const QString& destinazione, const QString& percorso,
                          const QString& motivo) {
    throw Errore(GenereErrore::Uscita,
                 QStringLiteral(
                     "Stampa su \"%1\" non eseguita: impossibile scrivere il file PDF \"%2\" (%3).")
                     .arg(destinazione, percorso, motivo));
}

} // namespace

void StampaSuFilePdf(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                     const QString& percorso, const QString& destinazione) {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        Fallito(destinazione, percorso, MotivoErroreFile(file, errno));
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Tableau Settimanale"));
        pdf.setTitle(destinazione);
        pdf.setResolution(kRisoluzioneStampa);
        pdf.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kBordoMillimetri, kBordoMillimetri, kBordoMillimetri, kBordoMillimetri),
            QPageLayout::Millimeter));
        if (!StampaSuPagine(righe, impostazioni, pdf))
            Fallito(destinazione, percorso, QStringLiteral("il PDF non si è potuto comporre"));
    }
    if (!ConfermaSalvataggio(file))
        Fallito(destinazione, percorso, MotivoErroreFile(file, errno));
}
