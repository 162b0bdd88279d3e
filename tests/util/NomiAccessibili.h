#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// The controls of a window that a screen reader could not name: every
// widget that takes the focus must have a name (its own or its caption's).
// Controls out of sight (an open list's view, a hidden button) are left out.
// Each is given by its class name, for the failure report.
inline QStringList SenzaNomeAccessibile(QWidget& finestra) {
    QStringList senza;
    for (QWidget* figlio : finestra.findChildren<QWidget*>()) {
        if (figlio->focusPolicy() == Qt::NoFocus || !figlio->isVisibleTo(&finestra))
            continue;
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(figlio);
        if (!accessibile || accessibile->text(QAccessible::Name).trimmed().isEmpty())
            senza << QString::fromLatin1(figlio->metaObject()->className());
    }
    return senza;
}
