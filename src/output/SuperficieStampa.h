#pragma once

#include <QString>

// The printer services that printing through a printer driver uses: a
// current position that moves down the page line by line, a current font,
// and page and document ends. Implemented over Qt's paged devices (a printer,
// a PDF file); tests can record the calls.
class SuperficieStampa {
  public:
    enum class Orientamento { Verticale = 1, Orizzontale = 2 };

    virtual ~SuperficieStampa() = default;

    virtual void impostaOrientamento(Orientamento orientamento) = 0;
    virtual void impostaNomeFont(const QString& nome) = 0;
    virtual double dimensioneFont() const = 0;
    virtual void impostaDimensioneFont(double punti) = 0;
    virtual void impostaGrassetto(bool grassetto) = 0;
    // Prints the text at the current position; with aCapo the position then
    // moves to the start of the next line, otherwise it stays after the text.
    virtual void stampa(const QString& testo, bool aCapo) = 0;
    virtual void nuovaPagina() = 0;
    // Ends the document and releases it; nothing is printed afterwards.
    virtual void fineDocumento() = 0;
};
