#include "prove/menu/AllApparire.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

void AllApparire(const QString& titolo, std::function<void(QWidget&)> azione, int secondi) {
    auto* sentinella = new QTimer(qApp);
    const QDeadlineTimer scadenza(secondi * 1000);
    QObject::connect(sentinella, &QTimer::timeout, sentinella, [=] {
        for (QWidget* finestra : QApplication::topLevelWidgets()) {
            if (finestra->isVisible() && finestra->windowTitle() == titolo) {
                sentinella->deleteLater();
                sentinella->stop();
                azione(*finestra);
                return;
            }
        }
        if (scadenza.hasExpired()) {
            sentinella->stop();
            sentinella->deleteLater();
        }
    });
    sentinella->start(20);
}
