#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The suite's files hold one byte per character in the Windows ANSI code page
// (Windows-1252); the print file's frame lines are code page 437 box-drawing
// bytes stored as they are. Reading a byte gives the character whose code is
// that byte's Windows-1252 value, so every byte 0..255 survives a read and a
// write unchanged (the five bytes Windows-1252 leaves undefined map to the C1
// controls of the same value, as Windows does).

QString DaAnsi(QByteArrayView byte);
// The character a byte reads as.
char16_t CarattereAnsi(unsigned char byte);
QByteArray InAnsi(const QString& testo);
// Appends the bytes of `testo` to `byte`: a character Windows-1252 has no byte
// for is written as '?'.
void AggiungiInAnsi(QByteArray& byte, QStringView testo);

// The byte a character is written as, or -1 when Windows-1252 has none for it.
int ByteAnsi(QChar carattere);
