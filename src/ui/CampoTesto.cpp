#include "ui/CampoTesto.h"

#include "ui/Finestra.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

class CampoTesto::Riga : public QLineEdit {
  public:
    Riga(QWidget* genitore, const CampoTesto& campo) : QLineEdit(genitore), campo_(campo) {
        connect(this, &QLineEdit::textEdited, this, &Riga::pulisci);
    }

  protected:
    void keyPressEvent(QKeyEvent* evento) override {
        const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
        const int codice =
            invio ? 13 : (evento->text().isEmpty() ? 0 : evento->text().at(0).unicode());
        if (codice != 0)
            campo_.tasto(codice);
        // Enter belongs to the handler alone; it does not reach the window.
        if (invio)
            evento->accept();
        else
            QLineEdit::keyPressEvent(evento);
    }

    void focusInEvent(QFocusEvent* evento) override {
        QLineEdit::focusInEvent(evento);
        campo_.fuoco();
    }

  private:
    // A field holds one line: pasted text that spans lines has each line
    // break turned into a blank, and control characters (which no key types)
    // are dropped, so the program never receives a value with either.
    void pulisci(const QString& testo) {
        QString pulito;
        pulito.reserve(testo.size());
        for (qsizetype i = 0; i < testo.size(); ++i) {
            const QChar c = testo[i];
            if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n')
                    ++i;
                pulito += u' ';
            } else if (c.category() != QChar::Other_Control) {
                pulito += c;
            }
        }
        if (pulito == testo)
            return;
        const int cursore = cursorPosition() - static_cast<int>(testo.size() - pulito.size());
        setText(pulito);
        setCursorPosition(std::max(0, cursore));
    }

    const CampoTesto& campo_;
};

namespace {
QLineEdit* Linea(QWidget* widget) {
    return static_cast<QLineEdit*>(widget);
}
constexpr int kSenzaLimite = 32767;
} // namespace

CampoTesto::CampoTesto(Finestra& finestra, const Riquadro& riquadro, int Index,
                       const Eventi* eventi)
    : Controllo(finestra, new Riga(finestra.widget(), *this), riquadro, Index),
      eventi_(eventi ? *eventi : *this) {}

QString CampoTesto::Text() const {
    return Linea(widget())->text();
}
void CampoTesto::setText(const QString& testo) {
    Linea(widget())->setText(testo);
}

int CampoTesto::MaxLength() const {
    const int limite = Linea(widget())->maxLength();
    return limite == kSenzaLimite ? 0 : limite;
}

void CampoTesto::setMaxLength(int caratteri) {
    Linea(widget())->setMaxLength(caratteri > 0 ? caratteri : kSenzaLimite);
}

int CampoTesto::SelStart() const {
    const QLineEdit* linea = Linea(widget());
    return linea->hasSelectedText() ? linea->selectionStart() : linea->cursorPosition();
}

int CampoTesto::SelLength() const {
    return static_cast<int>(Linea(widget())->selectedText().size());
}

void CampoTesto::setSelStart(int posizione) {
    Linea(widget())->setCursorPosition(posizione);
}

void CampoTesto::setSelLength(int caratteri) {
    Linea(widget())->setSelection(SelStart(), caratteri);
}

void CampoTesto::tasto(int KeyAscii) const {
    if (eventi_.KeyPress)
        eventi_.KeyPress(Index(), KeyAscii);
}

void CampoTesto::fuoco() const {
    if (eventi_.GotFocus)
        eventi_.GotFocus(Index());
}
