#include "output/Converti2.h"

QString Converti2(QString& riga) {
    for (QChar& c : riga) {
        switch (c.unicode()) {
        // The accented letters are tested before the frame bytes, so these
        // seven codes never become "|" or "-".
        case 180:
            c = u'\'';
            break;
        case 192:
            c = QChar(224);
            break; // à
        case 200:
            c = QChar(232);
            break; // è
        case 201:
            c = QChar(233);
            break; // é
        case 204:
            c = QChar(236);
            break; // ì
        case 217:
            c = QChar(249);
            break; // ù
        case 210:
            c = QChar(242);
            break; // ò
        case 179:
        case 183:
        case 186:
        case 195:
            c = u'|';
            break;
        case 187:
        case 188:
        case 191:
        case 193:
        case 194:
        case 196:
        case 197:
        case 202:
        case 203:
        case 206:
        case 218:
            c = u'-';
            break;
        default:
            break;
        }
    }
    return riga;
}
