#include "grafico/ScriviGrafico.h"

#include "grafico/CaratteriGrafico.h"
#include "grafico/DisegnaGrafico.h"
#include "grafico/ImpaginazioneGrafico.h"
#include "routines/ConfermaSalvataggio.h"
#include "routines/Errore.h"
#include "routines/MotivoDiSistema.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace {

[[noreturn]] void Fallito(const QString& percorso, const QString& motivo) {
    throw Errore(
        GenereErrore::Uscita,
        QStringLiteral("Impossibile scrivere il grafico della settimana nel file \"%1\" (%2).")
            .arg(percorso, motivo));
}

} // namespace

int ScriviGrafico(const TableauDellaSettimana& tableau, const FoglioGrafico& foglio,
                  const QString& percorso) {
    const PianoGrafico piano = ImpaginaGrafico(tableau, foglio, MisuraCaratteri());
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        Fallito(percorso, MotivoErroreFile(file, errno));
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Tableau Settimanale"));
        pdf.setTitle(QStringLiteral("Tableau settimanale dal %1").arg(tableau.settimana.testo()));
        pdf.setResolution(kRisoluzioneGrafico);
        pdf.setPageLayout(QPageLayout(
            foglio.formato(), foglio.verticale ? QPageLayout::Portrait : QPageLayout::Landscape,
            QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        QPainter pittore;
        if (!pittore.begin(&pdf))
            Fallito(percorso, QStringLiteral("il PDF non si è potuto comporre"));
        for (std::size_t n = 0; n < piano.pagine.size(); ++n) {
            if (n > 0)
                pdf.newPage();
            DisegnaPaginaGrafico(pittore, piano.pagine[n], kRisoluzioneGrafico / 72.0);
        }
        pittore.end();
    }
    if (!ConfermaSalvataggio(file))
        Fallito(percorso, MotivoErroreFile(file, errno));
    return static_cast<int>(piano.pagine.size());
}
