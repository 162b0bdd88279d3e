#include "output/StampanteCorrente.h"

#include "output/CodaCups.h"
#include "output/MisuraPagine.h"
#include "output/PaginaQt.h"
#include "routines/Errore.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <optional>

namespace {

struct StatoStampante {
    std::optional<QString> scelta;
    bool fronteRetro = false;
};

StatoStampante& Stato() {
    static StatoStampante stato;
    return stato;
}

[[noreturn]] void Fallito(const QString& destinazione, const QString& motivo) {
    throw Errore(GenereErrore::Uscita,
                 QStringLiteral("Stampa su \"%1\" non eseguita: %2.").arg(destinazione, motivo));
}

} // namespace

QStringList StampantiInstallate() {
    return QPrinterInfo::availablePrinterNames();
}

QString StampanteCorrente() {
    if (Stato().scelta)
        return *Stato().scelta;
    const QString predefinita = QPrinterInfo::defaultPrinterName();
    if (!predefinita.isEmpty())
        return predefinita;
    const QStringList installate = StampantiInstallate();
    return installate.isEmpty() ? QString() : installate.first();
}

void ScegliStampante(const QString& bersaglio) {
    if (StampantiInstallate().contains(bersaglio, Qt::CaseSensitive))
        Stato().scelta = bersaglio;
}

void StampaSuStampante(const QStringList& righe, const ImpostazioniDriver& impostazioni,
                       bool fronteRetro, const QString& destinazione) {
    const QString nome = StampanteCorrente();
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    if (nome.isEmpty() || info.isNull()) {
        // Without the scheduler the printers cannot be listed at all.
        if (!ServizioDiStampaRisponde())
            throw Errore(GenereErrore::Uscita, TestoServizioNonRisponde(destinazione));
        Fallito(destinazione, QStringLiteral("nessuna stampante installata"));
    }
    if (fronteRetro)
        Stato().fronteRetro = true;

    // The pages are composed by Qt's printer engine for this printer (paper,
    // printable area) into a file, and the file is then handed to the print
    // system here, so that a refusal reaches the user instead of being lost.
    QTemporaryFile lavoro(QDir::temp().filePath(QStringLiteral("tableau-XXXXXX.lavoro")));
    if (!lavoro.open())
        Fallito(destinazione, QStringLiteral("impossibile creare il file temporaneo di stampa"));
    lavoro.close();

    QPrinter stampante(info, QPrinter::HighResolution);
    stampante.setResolution(kRisoluzioneStampa);
    stampante.setDocName(destinazione);
    stampante.setDuplex(Stato().fronteRetro ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
    stampante.setOutputFileName(lavoro.fileName());
    const bool composta = StampaSuPagine(righe, impostazioni, stampante);
    QFile composto(lavoro.fileName());
    if (!composta || !composto.open(QIODevice::ReadOnly))
        Fallito(destinazione,
                QStringLiteral("impossibile comporre le pagine per la stampante \"%1\"").arg(nome));
    const QByteArray pdf = composto.readAll();

    const OpzioniCups opzioni{
        {"media", stampante.pageLayout().pageSize().key().toUtf8()},
        {"sides", Stato().fronteRetro ? "two-sided-long-edge" : "one-sided"},
    };
    InviaLavoroCups(nome, destinazione, CUPS_FORMAT_PDF, pdf, opzioni, destinazione);
}
