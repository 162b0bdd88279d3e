#pragma once

#include "front/SetDesk.h"

#include <functional>

class MenuStampa;

// What "&Stampa" of the selection window does in the program: the weekly
// tableau of the request into the workstation's print file, then the print
// menu, shown modally; the selection window goes on when the menu closes.
// The report's failures (an Errore of any kind) reach the selection window,
// which shows them; the menu is then not shown.
//
// `primaDelMenu` receives the menu before it is shown.
SetDesk::AzioneStampa StampaTableauEMenu(std::function<void(MenuStampa&)> primaDelMenu = {});
