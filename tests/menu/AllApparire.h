#pragma once

#include <QString>

#include <functional>

class QWidget;

// Once a window with this title is on the screen, runs `azione` on it, one
// time. For modal windows a test cannot reach otherwise (the preview opened
// by the menu): the check runs in the event loop of the modal display. It
// gives up after `secondi`.
void AllApparire(const QString& titolo, std::function<void(QWidget&)> azione, int secondi = 30);
