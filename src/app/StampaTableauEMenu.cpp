#include "app/StampaTableauEMenu.h"

#include "menu/MenuStampa.h"
#include "tableau/StampaTableau.h"

SetDesk::AzioneStampa StampaTableauEMenu(std::function<void(MenuStampa&)> primaDelMenu) {
    return [primaDelMenu = std::move(primaDelMenu)](
               std::int16_t hotel, std::int16_t tableau, const QString& primaCamera,
               const QString& ultimaCamera, const QString& data) {
        StampaTableau(hotel, tableau, primaCamera, ultimaCamera, data);
        MenuStampa menu(hotel);
        if (primaDelMenu)
            primaDelMenu(menu);
        menu.Show(Modo::Modale);
    };
}
