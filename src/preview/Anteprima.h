#pragma once

#include "preview/VistaStampa.h"

#include "print/PostoDiLavoro.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QPlainTextEdit;
class QPushButton;

// The page preview, "Anteprima di Stampa": the print file shown a block at a
// time in one editable text box, with buttons to make the text smaller or
// larger, go on to the next block, go back to the first, hand the text to
// the e-mail program, save it into the print file, and close.
//
// The print menu opens it modally once the print file is written, for the
// workstation whose print file it is:
//     Anteprima anteprima(posto, menu);
//     anteprima.Mostra();
// When there is no print file the window closes as soon as it opens.
class Anteprima : public QDialog {
  public:
    // The workstation names both the print file shown and the e-mail
    // message file.
    explicit Anteprima(PostoDiLavoro posto, QWidget* padre = nullptr);
    ~Anteprima() override;

    // Shows the window modally and returns when it has closed.
    void Mostra();

    // Writes the message file for `testo` and starts the e-mail program; a
    // failure is reported to the user and the window stays open.
    void InviaEMail(const QString& testo);

    // The text in view, lines ended by line feeds, exactly as the box holds it.
    QString TestoInVista() const;

    // Font sizes the zoom buttons stay within: "&Riduci" stops at 1 point.
    static constexpr double kPuntiMassimi = 72;

    QPlainTextEdit* Text1;
    // 0 "&Esci", 1 "&Riduci", 2 "E&spandi", 3 "&Avanti", 4 "&Inizio",
    // 5 "E-&mail", 6 "Sa&lva".
    std::array<QPushButton*, 7> Tasto;

    const VistaStampa& Vista() const { return vista_; }

  protected:
    void Form_Load();
    void Form_Activate();
    void Tasto_Click(std::int16_t Index);
    void Form_Unload();

    // Shows a problem to the user and waits for the answer.
    virtual void Avvisa(const QString& testo);

    bool event(QEvent* evento) override;
    void done(int esito) override;
    void resizeEvent(QResizeEvent* evento) override;

  private:
    void occupaLoSchermo();
    void disponi();
    void mostraVista(const std::optional<QString>& problema);

    VistaStampa vista_;
    PostoDiLavoro posto_;
    bool attivata_ = false;
};
