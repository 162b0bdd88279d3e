#include "routines/SetRoutine.h"

#include "routines/LeggiValore.h"
#include "routines/Orologio.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct DataLetta {
    long giorno;
    long mese;
    std::int16_t anno;
};

// The days of a month (1 to 12) of the year; February has 29 in a leap year.
long giorniDelMese(long anno, long mese) {
    constexpr std::array<long, 12> giorni = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mese == 2 && AnnoBisestile(static_cast<std::int16_t>(anno)))
        return 29;
    return giorni[static_cast<std::size_t>(mese - 1)];
}

DataLetta leggiData(const QString& data) {
    return {LeggiNumero(data.mid(0, 2)), LeggiNumero(data.mid(3, 2)),
            static_cast<std::int16_t>(LeggiNumero(data.right(4)))};
}

// The century in which a two-digit year falls: the hundred years that end
// twenty years after the current one.
int annoCompleto(int dueCifre) {
    const int ultimoAnno = Adesso().date().year() + 20;
    int anno = ultimoAnno / 100 * 100 + dueCifre;
    if (anno > ultimoAnno)
        anno -= 100;
    return anno;
}

} // namespace

long LeggiNumero(const QString& testo) {
    // Held within nine digits, so that no text can overflow what callers convert it to.
    constexpr double kLimite = 999999999;
    return static_cast<long>(std::clamp(std::trunc(LeggiValore(testo)), -kLimite, kLimite));
}

bool AnnoBisestile(std::int16_t anno) {
    return anno % 4 == 0;
}

bool ControllaData(QString& testo) {
    const QString pulito = testo.trimmed();
    if (pulito.size() != 10)
        return false;
    testo = pulito;
    const DataLetta data = leggiData(pulito);
    if (data.mese < 1 || data.mese > 12 || data.anno < 1900)
        return false;
    return data.giorno >= 1 && data.giorno <= giorniDelMese(data.anno, data.mese);
}

QString CompletaData(QString& testo) {
    if (testo.size() == 6) {
        const int anno = annoCompleto(static_cast<int>(LeggiNumero(testo.mid(4, 2))));
        testo = testo.mid(0, 2) + u'/' + testo.mid(2, 2) + u'/' + QString::number(anno / 100) +
                testo.mid(4, 2);
    } else if (testo.size() == 8) {
        testo = testo.mid(0, 2) + u'/' + testo.mid(2, 2) + u'/' + testo.mid(4, 4);
    }
    return testo;
}

QString PulisciTesto(const QString& testo) {
    QString risultato;
    risultato.reserve(testo.size());
    for (const QChar c : testo) {
        if (c != u'\'')
            risultato += c.toUpper();
    }
    return risultato.isEmpty() ? QStringLiteral(" ") : risultato;
}

std::int16_t CalcolaGiornoSettimana(const QString& data) {
    const DataLetta letta = leggiData(data);
    // Walk month by month between 01/1996 and the date's month, forwards or
    // backwards, adding or subtracting each month's length.
    long conta = 0;
    long anno = 1996;
    long mese = 1;
    const long obiettivo = static_cast<long>(letta.anno) * 12 + (letta.mese - 1);
    if (letta.mese >= 1 && letta.mese <= 12) {
        while (anno * 12 + (mese - 1) < obiettivo) {
            conta += giorniDelMese(anno, mese);
            if (++mese > 12) {
                mese = 1;
                ++anno;
            }
        }
        while (anno * 12 + (mese - 1) > obiettivo) {
            if (--mese < 1) {
                mese = 12;
                --anno;
            }
            conta -= giorniDelMese(anno, mese);
        }
    }
    conta += letta.giorno - 1;
    const long resto = ((conta % 7) + 7) % 7;
    return static_cast<std::int16_t>(resto);
}

QString ConvertiCornici(QString& riga) {
    for (QChar& c : riga) {
        switch (c.unicode()) {
        case 179:
        case 180:
        case 183:
        case 186:
        case 195:
        case 204:
            c = u'|';
            break;
        case 187:
        case 188:
        case 191:
        case 192:
        case 193:
        case 194:
        case 196:
        case 197:
        case 200:
        case 201:
        case 202:
        case 203:
        case 206:
        case 217:
        case 218:
            c = u'-';
            break;
        default:
            break;
        }
    }
    return riga;
}
