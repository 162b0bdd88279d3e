#include "output/RigaXLS.h"

#include "prove/util/StampaQString.h"
#include "routines/TestoAnsi.h"

#include <gtest/gtest.h>

namespace {

const QChar Verticale(179);
const QString Euro(QChar(0x20AC));

QString Xls(const QString& riga, const SeparatoriXLS& separatori = {}) {
    return ConvertiRigaXLS(riga, separatori);
}

} // namespace

TEST(RigaXLS, FramedAmountBecomesANumberWithTheCurrencyInFront) {
    const QString riga = Verticale + QStringLiteral(" Totale ") + Verticale +
                         QStringLiteral(" 1.234,50 ") + Verticale;
    EXPECT_EQ(Xls(riga), QStringLiteral(", Totale ,") + Euro + QStringLiteral("1234.50 ,"));
}

TEST(RigaXLS, SemicolonFieldsWithDecimalCommas) {
    SeparatoriXLS italiani;
    italiani.campo = QStringLiteral(";");
    italiani.decimale = QStringLiteral(",");
    const QString riga =
        Verticale + QStringLiteral(" 1.234,50 ") + Verticale + QStringLiteral("Roma, Italia|");
    EXPECT_EQ(Xls(riga, italiani),
              QStringLiteral(";") + Euro + QStringLiteral("1234,50 ;Roma  Italia;"));
}

TEST(RigaXLS, PointsAndCommasOutsideAmounts) {
    EXPECT_EQ(Xls(QStringLiteral("x 12.5")), QStringLiteral("x 12.5"));
    EXPECT_EQ(Xls(QStringLiteral("x 1.25")), QStringLiteral("x 125"));
    EXPECT_EQ(Xls(QStringLiteral("x 3,5")), QStringLiteral("x 3 5"));
    EXPECT_EQ(Xls(QStringLiteral("Hotel, Roma")), QStringLiteral("Hotel  Roma"));
    EXPECT_EQ(Xls(QStringLiteral("fine.")), QStringLiteral("fine."));
    // A digit test at the edges of the line finds no character there.
    EXPECT_EQ(Xls(QStringLiteral(",50")), QStringLiteral(" 50"));
    EXPECT_EQ(Xls(QStringLiteral("1,5")), QStringLiteral("1 5"));
}

TEST(RigaXLS, DashesStayOnlyBeforeADigit) {
    EXPECT_EQ(Xls(QStringLiteral("-12 -a - --")), QStringLiteral("-12  a     "));
    EXPECT_EQ(Xls(QStringLiteral("a-")), QStringLiteral("a "));
}

TEST(RigaXLS, CurrencySymbolCases) {
    SeparatoriXLS separatori;
    separatori.valuta = QStringLiteral("EUR");
    EXPECT_EQ(Xls(QStringLiteral("a 1,50"), separatori), QStringLiteral("aE1.50"));
    separatori.valuta.clear();
    EXPECT_EQ(Xls(QStringLiteral("a 1,50"), separatori), QStringLiteral("a 1.50"));
    // An amount with no blank before it in the output gets no symbol.
    EXPECT_EQ(Xls(QStringLiteral("12,50")), QStringLiteral("12.50"));
    // The symbol takes the last blank of the output, which may be before a field separator.
    EXPECT_EQ(Xls(QStringLiteral("a |12,50")),
              QStringLiteral("a") + Euro + QStringLiteral(",12.50"));
}

TEST(RigaXLS, TableauSeparatorLineAndFrameBytes) {
    QByteArray separatore(132, static_cast<char>(196));
    for (int colonna = 6; colonna < 132; colonna += 18)
        separatore[colonna - 1] = static_cast<char>(197);
    separatore[131] = static_cast<char>(180);
    QString atteso(132, u' ');
    for (int colonna = 6; colonna <= 132; colonna += 18)
        atteso[colonna - 1] = u',';
    EXPECT_EQ(Xls(DaAnsi(separatore)), atteso);

    // Every field-separating byte, and the branch byte inside a line.
    const QString frame = DaAnsi(QByteArray("\xD9\xC5\xC2\xC3\xC0\xC1\xB3\xBF\xDA|+\xB4x\xB4"));
    EXPECT_EQ(Xls(frame), QStringLiteral(",,,,,,,,,,, x,"));
    // Double-line frame bytes are copied as they are.
    const QString doppie = DaAnsi(QByteArray("\xBA\xCD\xC9"));
    EXPECT_EQ(Xls(doppie), doppie);
}

TEST(RigaXLS, MultiCharacterSeparatorsAreWrittenWhole) {
    SeparatoriXLS separatori;
    separatori.campo = QStringLiteral("\";\"");
    separatori.decimale = QStringLiteral("<>");
    EXPECT_EQ(Xls(QStringLiteral("a|b 2,75"), separatori),
              QStringLiteral("a\";\"b") + Euro + QStringLiteral("2<>75"));
}
