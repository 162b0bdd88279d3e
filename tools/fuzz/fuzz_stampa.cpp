// libFuzzer target: arbitrary settings files and an arbitrary print file put
// through every reader of the print side: the settings decoders, the
// preview's blocks with an edit saved back, the spreadsheet conversion, the
// bytes of direct output and the pages of a print through the driver, into a
// PDF file.
//
// The input is cut into pieces: six short ones, each a length byte and that
// many bytes (PCLocal in UTF-8, "FontStp.txt", "SeparatoreXLS.txt", the
// CodiciCompresso and CodiciGrassetto texts, then the print options
// followed by an edit of the preview), then four bytes of switches and the
// page length, and the rest is the print file.

#include "output/ConvertiXLS.h"
#include "output/FlussoDiretto.h"
#include "output/RigaXLS.h"
#include "output/StampaDriver.h"
#include "output/StampaFile.h"
#include "output/StampaPdf.h"
#include "print/CodiciStampante.h"
#include "print/FileImpostazioni.h"
#include "print/LeggiRighe.h"
#include "print/NomiFile.h"
#include "routines/Errore.h"
#include "vistastampa/VistaStampa.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Reads the input piece by piece; past its end every piece is empty.
class Pezzi {
  public:
    Pezzi(const std::uint8_t* dati, std::size_t dimensione) : dati_(dati), resto_(dimensione) {}

    QByteArray breve() {
        const QByteArray lunghezza = prendi(1);
        return lunghezza.isEmpty() ? QByteArray() : prendi(static_cast<std::uint8_t>(lunghezza[0]));
    }
    QByteArray fisso(std::size_t n) { return prendi(n); }
    QByteArray resto() { return prendi(resto_); }

  private:
    QByteArray prendi(std::size_t n) {
        n = std::min(n, resto_);
        QByteArray pezzo(reinterpret_cast<const char*>(dati_), static_cast<qsizetype>(n));
        dati_ += n;
        resto_ -= n;
        return pezzo;
    }

    const std::uint8_t* dati_;
    std::size_t resto_;
};

void scrivi(const QString& nome, const QByteArray& contenuto) {
    QFile file(nome);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contenuto);
}

QByteArray contenuto(const QString& nome) {
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The preview over the print file: every block read, the first block edited
// and saved, and an unchanged save, which must leave the file as it was.
void anteprima(const QString& fileStampa, const QByteArray& modifica) {
    VistaStampa vista(fileStampa);
    vista.Apri();
    if (vista.Riempi(VistaStampa::kBudgetApertura))
        return;
    for (int blocchi = 0; blocchi < 64 && vista.Altro() != 0; ++blocchi)
        if (vista.Avanti())
            return;
    if (vista.Inizio())
        return;
    const QByteArray prima = contenuto(fileStampa);
    if (vista.Salva(vista.Testo()))
        return;
    if (contenuto(fileStampa) != prima)
        std::abort(); // an unchanged view was saved with different bytes
    if (vista.Inizio() || modifica.isEmpty())
        return;
    QString testo = vista.Testo();
    const auto dove =
        std::min<qsizetype>(static_cast<std::uint8_t>(modifica[0]) * 64, testo.size());
    testo.insert(dove, QString::fromUtf8(modifica.mid(1)));
    (void)vista.Salva(testo);
}

// The print-side readers over the files the input describes, in the
// current folder.
void esercita(Pezzi& pezzi) {
    const QByteArray posto = pezzi.breve();
    scrivi(NomeFile(FileDiStampa::Carattere), pezzi.breve());
    scrivi(NomeFile(FileDiStampa::Separatori), pezzi.breve());
    const QString compresso = QString::fromLatin1(pezzi.breve());
    const QString grassetto = QString::fromLatin1(pezzi.breve());
    const QByteArray opzioniEModifica = pezzi.breve();
    const QByteArray scelte = pezzi.fisso(4);
    const QByteArray fileStampa = pezzi.resto();

    RichiestaStampa richiesta;
    try {
        richiesta.posto = PostoDiLavoro(QString::fromUtf8(posto));
    } catch (const Errore&) {
        return;
    }
    const auto scelta = [&scelte](int i) {
        return i < scelte.size() ? static_cast<std::uint8_t>(scelte[i]) : 0;
    };
    richiesta.compressa = scelta(0) & 1;
    richiesta.orizzontale = scelta(0) & 2;
    richiesta.opzioni = QString::fromLatin1(opzioniEModifica.left(2));

    ImpostazioniStampa impostazioni;
    impostazioni.font = CarattereStampa();
    impostazioni.lungPag = static_cast<std::int16_t>(scelta(1) | scelta(2) << 8);
    impostazioni.codici = CodiciStampante::decodifica(compresso, grassetto);
    (void)LeggiSeparatoriXLS();

    const QString nomeStampa = NomeFile(FileDiStampa::Stampa, richiesta.posto);
    scrivi(nomeStampa, fileStampa);
    anteprima(nomeStampa, opzioniEModifica.mid(2));

    try {
        (void)ConvertiXLS(nomeStampa, richiesta.posto);
    } catch (const Errore&) {
    }
    const std::optional<QStringList> righe = LeggiRighe(nomeStampa);
    if (!righe)
        return;
    const SeparatoriXLS separatori = LeggiSeparatoriXLS();
    for (const QString& riga : *righe)
        (void)ConvertiRigaXLS(riga, separatori);
    try {
        (void)FlussoDiretto(righe, PerLUscitaDiretta(richiesta, impostazioni),
                            QStringLiteral("Fuzz"));
    } catch (const Errore&) {
    }
    // Pages are slow to make: only a print file's first lines go to the PDF.
    if (scelta(3) & 1) {
        try {
            StampaSuFilePdf(righe->mid(0, 150), PerIlDriver(richiesta, impostazioni),
                            QStringLiteral("Prova.pdf"), QStringLiteral("Fuzz"));
        } catch (const Errore&) {
        }
    }
}

// Each input is run in a folder of its own, emptied first: files another
// input left could otherwise be found in place of this one's, whatever their
// case. The current folder is given back after the run, for libFuzzer's own
// relative paths.
class CartellaDellIngresso {
  public:
    CartellaDellIngresso() : precedente_(QDir::currentPath()) {
        static QTemporaryDir cartella;
        QDir dir(cartella.path());
        for (const QString& nome : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(nome);
        QDir::setCurrent(dir.path());
    }
    ~CartellaDellIngresso() { QDir::setCurrent(precedente_); }
    CartellaDellIngresso(const CartellaDellIngresso&) = delete;
    CartellaDellIngresso& operator=(const CartellaDellIngresso&) = delete;

  private:
    QString precedente_;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication applicazione(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const CartellaDellIngresso cartella;
    Pezzi pezzi(dati, dimensione);
    esercita(pezzi);
    return 0;
}
