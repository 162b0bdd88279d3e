#include "print/output/CodaCups.h"

#include "print/ErroreStampa.h"

#include <cups/cups.h>

namespace {

[[noreturn]] void Rifiutato(const QString& coda, const QString& destinazione) {
    throw ErroreStampa(
        QStringLiteral("Stampa su \"%1\" non eseguita: la coda di stampa \"%2\" ha rifiutato "
                       "il lavoro (%3).")
            .arg(destinazione, coda, QString::fromUtf8(cupsLastErrorString())));
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
        const QString motivo = QString::fromUtf8(cupsLastErrorString());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nomeCoda.constData(), lavoro, 0);
        throw ErroreStampa(
            QStringLiteral("Stampa su \"%1\" non eseguita: la coda di stampa \"%2\" non ha "
                           "ricevuto il lavoro (%3).")
                .arg(destinazione, coda, motivo));
    }
}
