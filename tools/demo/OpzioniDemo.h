#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>

// What genera-demo writes and where: the folder, the day the data are
// centred on, the seed, and for benchmarks the scale (rooms of hotel 1 and
// years of history, 0 rooms meaning the ordinary demo). Or help or the
// version instead.
struct OpzioniDemo {
    QString cartella;
    QDate riferimento;
    std::uint64_t seme = 1;
    int camere = 0;
    int anni = 1;
    int camerePerTableau = 100; // of hotel 1, at scale
    bool aiuto = false;
    bool versione = false;
};

// Reads `genera-demo CARTELLA [--data gg/mm/aaaa] [--seme N] [--camere N]
// [--anni N] [--camere-per-tableau N]`, or --help (-h) or --version, the
// program's name first; `oggi` is the default reference day. Raises a
// command-line Errore, with an Italian message, for a bad command line.
OpzioniDemo LeggiOpzioniDemo(const QStringList& argomenti, const QDate& oggi);

// The text of --help, Italian.
QString TestoAiutoDemo();
