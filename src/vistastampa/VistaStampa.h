#pragma once

#include "vistastampa/BloccoDiStampa.h"
#include "vistastampa/LettoreRighe.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the preview window shows of the print file, without the window: the
// file open for reading, the block in view, and the steps of the window's
// buttons. Every step that touches the file returns the Italian text of the
// problem when it fails, for the window to show; the view stays usable.
class VistaStampa {
  public:
    // Characters read into a view: when the window opens, and for the next
    // block or the first one again.
    static constexpr std::int32_t kBudgetApertura = 20000;
    static constexpr std::int32_t kBudgetBlocco = 26000;

    // percorso: where the print file is (or is to be made again).
    explicit VistaStampa(QString percorso);

    bool Esiste() const;
    // Opens the print file for reading from its start when it exists.
    void Apri();
    void Chiudi();

    // Replaces the view by the lines that follow, until the budget is spent;
    // the line that reaches the budget is still shown whole.
    std::optional<QString> Riempi(std::int32_t budget);
    // The next block, when the last fill stopped before the end of the file.
    std::optional<QString> Avanti();
    // The file read again from its start.
    std::optional<QString> Inizio();
    // The edited view written back in place of the block in view; the view
    // itself is left as it is, and reading goes on after the saved block.
    std::optional<QString> Salva(const QString& testoVista);

    // The view as the text box shows it: every line followed by CR LF.
    QString Testo() const;
    const BloccoDiStampa& Blocco() const { return blocco_; }
    std::int32_t Caratteri() const { return caratteri_; }
    std::int16_t Altro() const { return altro_; }
    bool Aperto() const { return lettore_.Aperto(); }

  private:
    // Runs a fill; when the handle turns out to be closed or broken, opens
    // the file again at the block's position (creating an empty print file
    // when there is none) and runs the fill once more.
    std::optional<QString> riempiDa(qint64 posizione, std::int32_t budget);
    bool prova(std::int32_t budget);

    QString percorso_;
    LettoreRighe lettore_;
    BloccoDiStampa blocco_;
    std::int32_t caratteri_ = 0;
    std::int16_t altro_ = 0;
};
