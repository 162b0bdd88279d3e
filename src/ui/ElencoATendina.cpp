#include "ui/ElencoATendina.h"

#include "ui/Finestra.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStylePainter>

#include <algorithm>

// The list drops down as wide as its longest entry needs, however narrow the
// field is; in the field itself an entry too long for it ends in "…".
class ElencoATendina::Tendina : public QComboBox {
  public:
    using QComboBox::QComboBox;

    void showPopup() override {
        int larghezza = 0;
        for (int i = 0; i < count(); ++i)
            larghezza = std::max(larghezza, fontMetrics().horizontalAdvance(itemText(i)));
        view()->setMinimumWidth(larghezza + 4 * fontMetrics().averageCharWidth() + 20);
        QComboBox::showPopup();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter pittore(this);
        pittore.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox opzioni;
        initStyleOption(&opzioni);
        pittore.drawComplexControl(QStyle::CC_ComboBox, opzioni);
        if (currentIndex() < 0 && !placeholderText().isEmpty()) {
            opzioni.palette.setBrush(QPalette::ButtonText, opzioni.palette.placeholderText());
            opzioni.currentText = placeholderText();
        }
        const QRect campo = style()->subControlRect(QStyle::CC_ComboBox, &opzioni,
                                                    QStyle::SC_ComboBoxEditField, this);
        // The style leaves a pixel free on either side of the text.
        opzioni.currentText = fontMetrics().elidedText(opzioni.currentText, Qt::ElideRight,
                                                       std::max(0, campo.width() - 2));
        pittore.drawControl(QStyle::CE_ComboBoxLabel, opzioni);
    }
};

namespace {
QComboBox* Combo(QWidget* widget) {
    return static_cast<QComboBox*>(widget);
}
} // namespace

ElencoATendina::ElencoATendina(Finestra& finestra, const Riquadro& riquadro, int Index,
                               const Eventi* eventi)
    : Controllo(finestra, new Tendina(finestra.widget()), riquadro, Index),
      eventi_(eventi ? *eventi : *this) {
    QObject::connect(Combo(widget()), &QComboBox::activated, [this] { scelta(); });
}

void ElencoATendina::setSegnaposto(const QString& testo) {
    Combo(widget())->setPlaceholderText(testo);
}

void ElencoATendina::Clear() {
    const QSignalBlocker blocco(widget());
    Combo(widget())->clear();
}

void ElencoATendina::AddItem(const QString& voce) {
    QComboBox* combo = Combo(widget());
    const QSignalBlocker blocco(combo);
    const int scelto = combo->currentIndex();
    combo->addItem(voce);
    // The toolkit chooses the first entry added to an empty list by itself.
    combo->setCurrentIndex(scelto);
}

QString ElencoATendina::List(int indice) const {
    return Combo(widget())->itemText(indice);
}
int ElencoATendina::ListCount() const {
    return Combo(widget())->count();
}
int ElencoATendina::ListIndex() const {
    return Combo(widget())->currentIndex();
}
QString ElencoATendina::Text() const {
    return Combo(widget())->currentText();
}

void ElencoATendina::setText(const QString& testo) {
    QComboBox* combo = Combo(widget());
    const int indice = combo->findText(testo, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (indice < 0)
        return;
    {
        const QSignalBlocker blocco(combo);
        combo->setCurrentIndex(indice);
    }
    scelta();
}

void ElencoATendina::scelta() const {
    if (eventi_.Click)
        eventi_.Click(Index());
}
