#include "ui/Controllo.h"

#include "ui/Colora.h"
#include "ui/Finestra.h"
#include "ui/Misure.h"

#include <QWidget>

Controllo::Controllo(Finestra& finestra, QWidget* widget, const Riquadro& riquadro, int indice)
    : finestra_(finestra), widget_(widget), riquadro_(riquadro), indice_(indice) {
    applicaRiquadro();
    if (finestra.widget()->isVisible())
        widget_->show();
    finestra_.registra(this);
}

Controllo::~Controllo() {
    finestra_.rimuovi(this);
    delete widget_;
}

void Controllo::setLeft(int twips) {
    riquadro_.Left = twips;
    applicaRiquadro();
}

void Controllo::setTop(int twips) {
    riquadro_.Top = twips;
    applicaRiquadro();
}

void Controllo::setWidth(int twips) {
    riquadro_.Width = twips;
    applicaRiquadro();
}

void Controllo::setHeight(int twips) {
    riquadro_.Height = twips;
    applicaRiquadro();
}

bool Controllo::Visible() const {
    return !widget_->isHidden();
}
void Controllo::setVisible(bool visibile) {
    widget_->setVisible(visibile);
}
bool Controllo::Enabled() const {
    return widget_->isEnabled();
}
void Controllo::setEnabled(bool abilitato) {
    widget_->setEnabled(abilitato);
}

void Controllo::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Controllo::HaIlFuoco() const {
    return widget_->window()->focusWidget() == widget_;
}

void Controllo::setNomeAccessibile(const QString& nome) {
    widget_->setAccessibleName(nome);
}

void Controllo::setFont(const Carattere& carattere) {
    QFont font = widget_->font();
    if (!carattere.nome.isEmpty())
        font.setFamilies({carattere.nome});
    font.setPointSizeF(carattere.punti);
    font.setBold(carattere.grassetto);
    widget_->setFont(font);
}

double Controllo::FontSize() const {
    return widget_->font().pointSizeF();
}

void Controllo::setFontSize(double punti) {
    QFont font = widget_->font();
    font.setPointSizeF(punti);
    widget_->setFont(font);
}

void Controllo::setForeColor(Colore colore) {
    Colora(*widget_, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colore);
}

void Controllo::setBackColor(Colore colore) {
    Colora(*widget_, {QPalette::Window, QPalette::Base, QPalette::Button}, colore);
    widget_->setAutoFillBackground(true);
}

void Controllo::applicaRiquadro() {
    widget_->setGeometry(InPixel(riquadro_.Left), InPixel(riquadro_.Top), InPixel(riquadro_.Width),
                         InPixel(riquadro_.Height));
}
