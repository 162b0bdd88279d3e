#pragma once

#include "tableau/RaccoltaSettimana.h"

// The week's occupancy gathered the straightforward way: the record sets of
// the three week selections and of whole tables, and for every room, day and
// pass a FindFirst / FindNext walk with the pass's own condition. Its cost
// grows with rooms x 7 x the week's records; it is the yardstick the
// production collection is held against.
class TableauDiRiferimento : public RaccoltaSettimana {
public:
    static std::unique_ptr<RaccoltaSettimana> apri(SorgenteArchivi& archivi, const RichiestaTableau& richiesta,
                                                   const Settimana& settimana);

    const std::vector<QString>& camere() const override { return camere_; }
    GiorniCamera giorni(const QString& camera) const override;

private:
    TableauDiRiferimento(SorgenteArchivi& archivi, const RichiestaTableau& richiesta, const Settimana& settimana);

    void passo1(const QString& camera, GiorniCamera& giorni) const;
    void passo2(const QString& camera, GiorniCamera& giorni) const;
    void passo3(const QString& camera, GiorniCamera& giorni) const;
    void passo4(const QString& camera, GiorniCamera& giorni) const;
    bool ospiteConta(int d) const;

    RichiestaTableau richiesta_;
    Settimana settimana_;
    mutable Recordset camereSettimana_;
    mutable Recordset prenotazioniSettimana_;
    mutable Recordset clientiSettimana_;
    mutable Recordset ditte_;
    std::vector<QString> camere_;
};
