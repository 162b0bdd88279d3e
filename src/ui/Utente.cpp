#include "ui/Utente.h"

#include <QCoreApplication>

#include <algorithm>
#include <ranges>

Utente::Utente() : QObject(QCoreApplication::instance()) {}

bool IncontrataDaUnUtente(Finestra& finestra) {
    const QList<Utente*> inCarica =
        QCoreApplication::instance()->findChildren<Utente*>(Qt::FindDirectChildrenOnly);
    return std::ranges::any_of(std::views::reverse(inCarica),
                               [&finestra](Utente* utente) { return utente->Incontra(finestra); });
}
