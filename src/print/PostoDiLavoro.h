#pragma once

#include <QString>

// The workstation number, environment variable PCLocal. It names the
// workstation's print file and the files derived from it, so that
// workstations sharing one folder keep apart. It must therefore stay a plain
// name: a value with a folder separator, "..", or a control character would
// reach outside the current folder or name no file, and is refused; so is
// a value longer than kLunghezzaMassima bytes, the most that leaves room in
// a file name for what the names made from it add.
class PostoDiLavoro {
  public:
    // The workstation of this process, read from PCLocal (the name matched
    // without regard to case); missing, it is the empty text.
    // An Errore of the request, with an Italian message, when the value is refused.
    static PostoDiLavoro corrente();

    static constexpr qsizetype kLunghezzaMassima = 200;

    // No workstation number: PCLocal missing.
    PostoDiLavoro() = default;
    // An Errore of the request when `testo` is refused.
    explicit PostoDiLavoro(QString testo);

    // The text form: the value exactly as set.
    const QString& testo() const { return testo_; }
    // The numeric form: the number at the start of the value, 0 when there is none.
    double numero() const;
    // The numeric form written in decimal, without leading zeros ("03" gives "3").
    QString testoNumerico() const;

  private:
    QString testo_;
};
