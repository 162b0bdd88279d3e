#include "output/Converti2.h"

#include "prove/util/StampaQString.h"
#include "routines/SetRoutine.h"
#include "routines/TestoAnsi.h"

#include <gtest/gtest.h>

namespace {

QString Byte(std::initializer_list<int> codici) {
    QByteArray byte;
    for (int c : codici)
        byte += static_cast<char>(c);
    return DaAnsi(byte);
}

} // namespace

TEST(Converti2, AccentedCapitalsAndAcuteAccentWinOverTheFrameRules) {
    QString riga = Byte({180, 192, 200, 201, 204, 217, 210});
    EXPECT_EQ(Converti2(riga), QString::fromUtf8("'àèéìùò"));
    // The same bytes through the frame conversion become bars and dashes:
    // the two conversions really differ here.
    QString cornici = Byte({180, 192, 200, 201, 204, 217, 210});
    EXPECT_EQ(ConvertiCornici(cornici), QString::fromUtf8("|---|-\u00d2"));
}

TEST(Converti2, FrameBytesBecomeBarsAndDashes) {
    QString verticali = Byte({179, 183, 186, 195});
    EXPECT_EQ(Converti2(verticali), QStringLiteral("||||"));
    QString orizzontali = Byte({187, 188, 191, 193, 194, 196, 197, 202, 203, 206, 218});
    EXPECT_EQ(Converti2(orizzontali), QStringLiteral("-----------"));
}

TEST(Converti2, ConvertsInPlaceAndLeavesOtherCharactersAlone) {
    QString riga = QString::fromUtf8("Lunedì ç 1.234,50 € ") + Byte({179});
    const QString risultato = Converti2(riga);
    EXPECT_EQ(risultato, QString::fromUtf8("Lunedì ç 1.234,50 € |"));
    EXPECT_EQ(riga, risultato);
}

TEST(Converti2, TableauSeparatorLineEndsInAnApostrophe) {
    QByteArray separatore(132, static_cast<char>(196));
    for (int colonna = 6; colonna < 132; colonna += 18)
        separatore[colonna - 1] = static_cast<char>(197);
    separatore[131] = static_cast<char>(180);
    QString riga = DaAnsi(separatore);
    EXPECT_EQ(Converti2(riga), QString(131, u'-') + u'\'');
}
