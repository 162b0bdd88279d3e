#pragma once

#include <QString>
#include <QStringList>

// A message's lines as the message window takes them: separated by
// carriage return and line feed.
QString TestoInFinestra(const QStringList& righe);
