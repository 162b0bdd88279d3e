#include "ui/AreaTesto.h"

#include "ui/Finestra.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
QPlainTextEdit* Area(QWidget* widget) {
    return static_cast<QPlainTextEdit*>(widget);
}
} // namespace

AreaTesto::AreaTesto(Finestra& finestra, const Riquadro& riquadro, int Index, const Eventi*)
    : Controllo(finestra, new QPlainTextEdit(finestra.widget()), riquadro, Index) {
    setScrollBars(BarreScorrimento::Nessuna);
}

QString AreaTesto::Text() const {
    const QPlainTextEdit* area = Area(widget());
    if (!area->document()->isModified())
        return impostato_;
    return area->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void AreaTesto::setText(const QString& testo) {
    impostato_ = testo;
    Area(widget())->setPlainText(
        QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

bool AreaTesto::Locked() const {
    return Area(widget())->isReadOnly();
}
void AreaTesto::setLocked(bool bloccato) {
    Area(widget())->setReadOnly(bloccato);
}

void AreaTesto::setScrollBars(BarreScorrimento barre) {
    QPlainTextEdit* area = Area(widget());
    const bool orizzontale =
        barre == BarreScorrimento::Orizzontale || barre == BarreScorrimento::Entrambe;
    const bool verticale =
        barre == BarreScorrimento::Verticale || barre == BarreScorrimento::Entrambe;
    area->setHorizontalScrollBarPolicy(orizzontale ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(verticale ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setLineWrapMode(orizzontale ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}
