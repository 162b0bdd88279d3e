#include "vistastampa/ComponiBlocco.h"

#include "vistastampa/BloccoDiStampa.h"

#include "prove/util/StampaQString.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A framed tableau line: vertical bars are byte 179, rules byte 196.
const QByteArray kCornice = "\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4";
const QByteArray kCella = "\xB3"
                          " 101 \xB3 Rossi\xB3";

QList<RigaLetta> Righe(std::initializer_list<QByteArray> testi, QByteArray ultimaFine = "\r\n") {
    QList<RigaLetta> righe;
    for (const QByteArray& testo : testi)
        righe.append({testo, "\r\n"});
    righe.back().fine = ultimaFine;
    return righe;
}

QString Vista(const QList<RigaLetta>& righe) {
    QString testo;
    for (const RigaLetta& riga : righe)
        testo += RigaInVista(riga.testo) + u'\n';
    return testo;
}

QByteArray Byte(const QList<RigaLetta>& righe) {
    return BloccoDiStampa{0, righe}.Byte();
}

} // namespace

TEST(RigheDelTesto, SplitsOnEveryLineEndTheTextBoxCanHold) {
    EXPECT_EQ(RigheDelTesto(""), QStringList());
    EXPECT_EQ(RigheDelTesto("a\n"), QStringList({"a"}));
    EXPECT_EQ(RigheDelTesto("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(RigheDelTesto("\n\n"), QStringList({"", ""}));
    EXPECT_EQ(RigheDelTesto(QString("a") + QChar::ParagraphSeparator + "b" + QChar::LineSeparator),
              QStringList({"a", "b"}));
}

TEST(ComponiBlocco, AViewSavedAsShownGivesTheSameBytes) {
    const QList<RigaLetta> originali = {{kCornice, "\r\n"},
                                        {kCella, "\r"},
                                        {"\x0C", "\n"},
                                        {"\xE7"
                                         "grassetto\xE7",
                                         ""}};
    EXPECT_EQ(Byte(ComponiBlocco(originali, Vista(originali))), Byte(originali));
    // The text box may hand back the view without its last line end.
    QString senzaUltimaFine = Vista(originali);
    senzaUltimaFine.chop(1);
    EXPECT_EQ(Byte(ComponiBlocco(originali, senzaUltimaFine)), Byte(originali));
}

TEST(ComponiBlocco, AnEditedLineKeepsTheFrameBytesAroundTheEdit) {
    const QList<RigaLetta> originali = Righe({kCornice, kCella, kCornice});
    QString vista = Vista(originali);
    vista.replace("Rossi", "Bianchi");
    const QList<RigaLetta> nuove = ComponiBlocco(originali, vista);
    ASSERT_EQ(nuove.size(), 3);
    EXPECT_EQ(nuove[0].testo, kCornice);
    EXPECT_EQ(nuove[1].testo, QByteArray("\xB3"
                                         " 101 \xB3 Bianchi\xB3"));
    EXPECT_EQ(nuove[2].testo, kCornice);
    EXPECT_EQ(Vista(nuove), vista);
}

TEST(ComponiBlocco, AddedAndRemovedLinesLeaveTheOthersAsTheyWere) {
    const QList<RigaLetta> originali = Righe({kCornice, kCella, "coda"}, "\r");
    QString vista = Vista(originali);

    QString aggiunta = vista;
    aggiunta.insert(aggiunta.indexOf("| 101"), "nuova riga\n");
    const QList<RigaLetta> conAggiunta = ComponiBlocco(originali, aggiunta);
    EXPECT_EQ(Byte(conAggiunta), kCornice + "\r\nnuova riga\r\n" + kCella + "\r\ncoda\r");

    QString tolta = vista;
    tolta.remove(0, vista.indexOf('\n') + 1);
    EXPECT_EQ(Byte(ComponiBlocco(originali, tolta)), kCella + "\r\ncoda\r");
    EXPECT_TRUE(ComponiBlocco(originali, "").isEmpty());
}

TEST(ComponiBlocco, OnlyTheLastLineMayStayWithoutALineEnd) {
    const QList<RigaLetta> originali = Righe({"prima", "ultima"}, "");
    EXPECT_EQ(Byte(ComponiBlocco(originali, "prima\nultima\naggiunta\n")),
              QByteArray("prima\r\nultima\r\naggiunta\r\n"));
    EXPECT_EQ(Byte(ComponiBlocco(originali, "prima\nultima\n")), QByteArray("prima\r\nultima"));
}

TEST(ComponiBlocco, TypedTextIsWrittenInWindows1252) {
    const QList<RigaLetta> originali = Righe({"Citta"});
    EXPECT_EQ(Byte(ComponiBlocco(originali, QString::fromUtf8("Città €\n"))),
              QByteArray("Citt\xE0 \x80\r\n"));
    // A character the code page lacks cannot be stored as itself.
    EXPECT_EQ(Byte(ComponiBlocco(originali, QString::fromUtf8("Ω\n"))), QByteArray("?\r\n"));
}

TEST(ComponiBlocco, WhatIsWrittenShowsAgainAsTheEditedText) {
    // Several edits at once over a whole framed block: shown again, the saved
    // lines read exactly as the user left them.
    const QList<RigaLetta> originali =
        Righe({kCornice, kCella, kCornice, kCella, kCella, kCornice, "fine"});
    QString vista = Vista(originali);
    vista.replace(" 101 ", " 1O2 ");
    vista.replace("Rossi|\n-", "Verdi|\nextra\n-");
    vista.insert(0, "titolo\n");
    vista.replace("fine", "|-|");
    const QList<RigaLetta> nuove = ComponiBlocco(originali, vista);
    EXPECT_EQ(Vista(nuove), vista);
    // The untouched frame lines kept their bytes.
    EXPECT_EQ(nuove[1].testo, kCornice);
    EXPECT_EQ(nuove.back().testo, QByteArray("|-|"));
}

TEST(ComponiBlocco, RandomEditsOfAFramedBlockReadBackAsEdited) {
    std::mt19937 caso(20260307);
    const QList<RigaLetta> originali =
        Righe({kCornice, kCella, kCornice, kCella, "", kCella, kCornice, "\xB3 nota \xB3"}, "");
    for (int prova = 0; prova < 500; ++prova) {
        QStringList righe = RigheDelTesto(Vista(originali));
        for (int modifica = caso() % 5; modifica >= 0; --modifica) {
            const auto dove = static_cast<qsizetype>(caso() % (righe.size() + 1));
            switch (caso() % 3) {
            case 0:
                righe.insert(dove, QStringLiteral("|nuova %1|").arg(caso() % 10));
                break;
            case 1:
                if (dove < righe.size())
                    righe.removeAt(dove);
                break;
            default:
                if (dove < righe.size() && !righe[dove].isEmpty())
                    righe[dove][static_cast<qsizetype>(caso() % righe[dove].size())] = u'#';
                break;
            }
        }
        const QString vista = righe.isEmpty() ? QString() : righe.join(u'\n') + u'\n';
        const QList<RigaLetta> nuove = ComponiBlocco(originali, vista);
        ASSERT_EQ(Vista(nuove), vista) << prova;
        for (qsizetype i = 0; i + 1 < nuove.size(); ++i)
            ASSERT_FALSE(nuove[i].fine.isEmpty()) << prova;
        // A frame line left as it was shown is written with its own bytes.
        for (const RigaLetta& riga : nuove)
            ASSERT_NE(riga.testo, RigaInVista(kCornice).toLatin1()) << prova;
    }
}

TEST(ComponiBlocco, NoBreakSpacesHandedBackAsSpacesKeepTheirByte) {
    const QList<RigaLetta> originali = Righe({"a\xA0"
                                              "b",
                                              "c\xA0"
                                              "d"});
    // The second line edited, both no-break spaces now ordinary ones.
    const QList<RigaLetta> nuove = ComponiBlocco(originali, "a b\nc dX\n");
    EXPECT_EQ(Byte(nuove), QByteArray("a\xA0"
                                      "b\r\nc\xA0"
                                      "dX\r\n"));
}
