#include "output/CodaCups.h"

#include "routines/Errore.h"

#include <cups/cups.h>

namespace {

// How long a connection to the scheduler is waited for before it is taken
// as not answering.
constexpr int kAttesaServizioMs = 3000;

// The cause of the last failed request to the scheduler, in Italian: the
// server's own text is English.
QString MotivoCups() {
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("la coda non esiste");
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("la coda non accetta lavori");
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return QStringLiteral("permesso negato dal servizio di stampa");
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return QStringLiteral("la coda non accetta documenti di questo formato");
    case IPP_STATUS_ERROR_REQUEST_ENTITY:
        return QStringLiteral("lavoro troppo grande per la coda");
    case IPP_STATUS_ERROR_BUSY:
        return QStringLiteral("la stampante è occupata");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return QStringLiteral("il servizio di stampa (CUPS) non risponde");
    default:
        return QStringLiteral("errore del servizio di stampa n. 0x%1")
            .arg(static_cast<int>(cupsLastError()), 4, 16, QChar(u'0'));
    }
}

[[noreturn]] void Fallito(const QString& destinazione, const QString& motivo) {
    throw Errore(GenereErrore::Uscita,
                 QStringLiteral("Stampa su \"%1\" non eseguita: %2.").arg(destinazione, motivo));
}

[[noreturn]] void Rifiutato(const QString& coda, const QString& destinazione) {
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        throw Errore(GenereErrore::Uscita, TestoServizioNonRisponde(destinazione));
    Fallito(destinazione, QStringLiteral("la coda di stampa \"%1\" ha rifiutato il lavoro (%2)")
                              .arg(coda, MotivoCups()));
}

// A queue that is stopped or rejects jobs would keep the job or refuse it
// without printing it: it is named before anything is sent.
void ControllaCoda(const QString& coda, const QString& destinazione) {
    cups_dest_t* trovata = cupsGetNamedDest(CUPS_HTTP_DEFAULT, coda.toUtf8().constData(), nullptr);
    if (!trovata) {
        if (!ServizioDiStampaRisponde())
            throw Errore(GenereErrore::Uscita, TestoServizioNonRisponde(destinazione));
        Fallito(destinazione, QStringLiteral("la coda di stampa \"%1\" non esiste").arg(coda));
    }
    const QString stato =
        QString::fromUtf8(cupsGetOption("printer-state", trovata->num_options, trovata->options));
    const QString accetta = QString::fromUtf8(
        cupsGetOption("printer-is-accepting-jobs", trovata->num_options, trovata->options));
    cupsFreeDests(1, trovata);
    if (stato == QString::number(IPP_PSTATE_STOPPED))
        Fallito(destinazione, QStringLiteral("la coda di stampa \"%1\" è disattivata; "
                                             "l'amministratore la riattiva con cupsenable %1")
                                  .arg(coda));
    if (accetta == u"false")
        Fallito(destinazione, QStringLiteral("la coda di stampa \"%1\" non accetta lavori; "
                                             "l'amministratore la riapre con cupsaccept %1")
                                  .arg(coda));
}

// The job's options, freed with the job attempt whatever its outcome.
class Opzioni {
  public:
    explicit Opzioni(const OpzioniCups& opzioni) {
        for (const auto& [nome, valore] : opzioni)
            numero_ = cupsAddOption(nome.constData(), valore.constData(), numero_, &opzioni_);
    }
    ~Opzioni() { cupsFreeOptions(numero_, opzioni_); }
    Opzioni(const Opzioni&) = delete;
    Opzioni& operator=(const Opzioni&) = delete;

    int numero() const { return numero_; }
    cups_option_t* elenco() const { return opzioni_; }

  private:
    int numero_ = 0;
    cups_option_t* opzioni_ = nullptr;
};

} // namespace

bool ServizioDiStampaRisponde() {
    http_t* collegamento = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                        cupsEncryption(), 1, kAttesaServizioMs, nullptr);
    httpClose(collegamento);
    return collegamento != nullptr;
}

QString TestoServizioNonRisponde(const QString& destinazione) {
    return QStringLiteral("Il servizio di stampa (CUPS) non risponde: su \"%1\" non è stato "
                          "stampato nulla. Controllare che il servizio sia avviato (server %2).")
        .arg(destinazione, QString::fromUtf8(cupsServer()));
}

bool EsisteCodaCups(const QString& coda) {
    if (coda.isEmpty())
        return false;
    cups_dest_t* trovata = cupsGetNamedDest(CUPS_HTTP_DEFAULT, coda.toUtf8().constData(), nullptr);
    cupsFreeDests(trovata ? 1 : 0, trovata);
    return trovata != nullptr;
}

void InviaLavoroCups(const QString& coda, const QString& titolo, const char* formato,
                     const QByteArray& dati, const OpzioniCups& opzioni,
                     const QString& destinazione) {
    ControllaCoda(coda, destinazione);
    const QByteArray nomeCoda = coda.toUtf8();
    const QByteArray nomeLavoro = titolo.toUtf8();
    const Opzioni elenco(opzioni);
    const int lavoro = cupsCreateJob(CUPS_HTTP_DEFAULT, nomeCoda.constData(),
                                     nomeLavoro.constData(), elenco.numero(), elenco.elenco());
    if (lavoro == 0)
        Rifiutato(coda, destinazione);
    const bool inviato =
        cupsStartDocument(CUPS_HTTP_DEFAULT, nomeCoda.constData(), lavoro, nomeLavoro.constData(),
                          formato, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, dati.constData(),
                             static_cast<size_t>(dati.size())) == HTTP_STATUS_CONTINUE;
    // The document is closed in any case, so that the server does not keep
    // waiting for the rest of it; a job left incomplete is cancelled.
    const ipp_status_t esito = cupsFinishDocument(CUPS_HTTP_DEFAULT, nomeCoda.constData());
    if (!inviato || esito > IPP_STATUS_OK_CONFLICTING) {
        const QString motivo = MotivoCups();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nomeCoda.constData(), lavoro, 0);
        Fallito(destinazione,
                QStringLiteral("la coda di stampa \"%1\" non ha ricevuto il lavoro (%2)")
                    .arg(coda, motivo));
    }
}
