#pragma once

#include "output/SuperficieStampa.h"

#include <QList>
#include <QString>

// Printer services that keep what was printed: pages of lines, each line a
// list of runs with the font they were printed in.
class SuperficieRegistrata : public SuperficieStampa {
  public:
    struct Tratto {
        QString testo;
        QString font;
        double punti = 0;
        bool grassetto = false;
    };
    struct Riga {
        QList<Tratto> tratti;
        QString testo() const;
    };
    struct Pagina {
        Orientamento orientamento = Orientamento::Verticale;
        QList<Riga> righe;
    };

    void impostaOrientamento(Orientamento orientamento) override;
    void impostaNomeFont(const QString& nome) override { font_ = nome; }
    double dimensioneFont() const override { return punti_; }
    void impostaDimensioneFont(double punti) override { punti_ = punti; }
    void impostaGrassetto(bool grassetto) override { grassetto_ = grassetto; }
    void stampa(const QString& testo, bool aCapo) override;
    void nuovaPagina() override;
    void fineDocumento() override { ++fini; }

    QList<Pagina> pagine{Pagina{}};
    int fini = 0;

  private:
    Riga inCorso_;
    QString font_;
    double punti_ = 12;
    bool grassetto_ = false;
    Orientamento prossimo_ = Orientamento::Verticale;
};
