#include "words/slips.h"

#include <QtTest>

// The kinds of slip told from wrong answers, and the tally the window shows of them.
class TestSlips : public QObject
{
    Q_OBJECT

private slots:
    void slips_data();
    void slips();
    void counter_mostFirstWithDistinctExamples();
};

namespace {

// The kinds as a row names them, in the order of the enum.
QString namesOf(const std::vector<SlipKind>& kinds)
{
    static const char* const names[SLIP_KIND_COUNT] = {"double", "swapped", "vowel", "left out",
                                                       "added",  "ending",  "other"};
    QStringList list;
    for (SlipKind kind : kinds)
        list << QString::fromLatin1(names[int(kind)]);
    return list.join(QStringLiteral(", "));
}

} // namespace

void TestSlips::slips_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kinds");
    const QString longWord(10000, 'a');

    QTest::addRow("right") << "letter" << "letter" << "";
    QTest::addRow("right, case ignored") << "Letter" << "lETTER" << "";
    QTest::addRow("right, accented capitals") << "ÉLÈVE" << "élève" << "";
    QTest::addRow("right, capital outside the basic plane") << "\U00010400b" << "\U00010428B" << "";

    QTest::addRow("double written single") << "letter" << "leter" << "double";
    QTest::addRow("single written double") << "writing" << "writting" << "double";
    QTest::addRow("swapped") << "receive" << "recieve" << "swapped";
    QTest::addRow("vowel") << "separate" << "seperate" << "vowel";
    QTest::addRow("left out") << "february" << "febuary" << "left out";
    QTest::addRow("added") << "athlete" << "athelete" << "added";
    QTest::addRow("ending replaced") << "walked" << "walkt" << "ending";
    QTest::addRow("ending, i as y: y is no vowel") << "happily" << "happyly" << "ending";
    QTest::addRow("ending, two slips in the last letters") << "letter" << "letr" << "ending";
    QTest::addRow("one named slip in the ending keeps its kind") << "walked" << "walkde" << "swapped";
    QTest::addRow("ending needs a stem of two") << "cat" << "cap" << "other";

    QTest::addRow("vowel and double") << "letter" << "liter" << "double, vowel";
    QTest::addRow("vowel and left out") << "separately" << "seperatly" << "vowel, left out";
    QTest::addRow("double and swapped") << "accommodation" << "accomodatoin" << "double, swapped";
    QTest::addRow("stem wrong: each slip its own kind") << "walked" << "wolkt" << "vowel, left out, other";
    QTest::addRow("both of a double left out") << "letter" << "leer" << "left out";
    QTest::addRow("equal edits: a vowel before a consonant") << "separate" << "sepeate" << "vowel, left out";
    QTest::addRow("equal edits: doubles before other slips") << "committee" << "comitttee" << "double";
    QTest::addRow("double beside an added letter") << "ab" << "abbb" << "double, added";

    QTest::addRow("consonant for consonant") << "decide" << "deside" << "other";
    QTest::addRow("consonant for vowel") << "banana" << "aanana" << "other";
    QTest::addRow("nothing like the word") << "letter" << "xyz" << "other";
    QTest::addRow("empty answer") << "letter" << "" << "other";
    QTest::addRow("empty word") << "" << "ab" << "other";

    QTest::addRow("French accents") << "élève" << "éléve" << "vowel";
    QTest::addRow("German sharp s, capitals") << "Straße" << "STRAEß" << "swapped";
    QTest::addRow("German umlaut") << "Mädchen" << "Medchen" << "vowel";
    QTest::addRow("Russian") << "молоко" << "малако" << "vowel";
    QTest::addRow("Russian short i is no vowel") << "мой" << "мои" << "other";
    QTest::addRow("Ukrainian") << "їжак" << "іжак" << "vowel";
    QTest::addRow("Vietnamese marks") << "Việt" << "Viết" << "vowel";
    QTest::addRow("Greek tonos") << "καλημέρα" << "καλιμέρα" << "vowel";
    QTest::addRow("Greek double") << "θάλασσα" << "θάλασα" << "double";
    QTest::addRow("letter outside the basic plane is one") << "x\U0001D400yz" << "xy\U0001D400z" << "swapped";
    QTest::addRow("lone surrogate is a letter") << QString("le") + QChar(0xDC00) + "tter" << "letter" << "left out";

    QTest::addRow("slip past the aligned letters") << longWord << longWord + 'b' << "other";
    QTest::addRow("huge answer") << "letter" << QString(10000, 'x') << "other";
    QTest::addRow("huge word, lone surrogates") << QString(10000, QChar(0xD800)) << "a" << "other";
}

void TestSlips::slips()
{
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QTEST(namesOf(slipsOf(word, typed)), "kinds");
}

void TestSlips::counter_mostFirstWithDistinctExamples()
{
    SlipCounter counter;
    QVERIFY(counter.mostFrequent(3).empty());
    const char* const answers[][2] = {{"letter", "leter"},  {"LETTER", "Leter"},      {"running", "runing"},
                                      {"letter", "letter"}, {"writing", "writting"},  {"address", "adress"},
                                      {"receive", "recieve"}, {"separate", "seperate"}, {"letter", "liter"},
                                      {"their", "thier"}};
    for (const auto& answer : answers)
        counter.add(QString::fromUtf8(answer[0]), QString::fromUtf8(answer[1]));

    const std::vector<SlipTally> two = counter.mostFrequent(2);
    QCOMPARE(int(two.size()), 2);
    QCOMPARE(two[0].kind, SlipKind::DoubleLetter);
    QCOMPARE(two[0].count, 6);
    QStringList examples;
    for (const SlipExample& example : two[0].examples)
        examples << example.word + '/' + example.typed;
    QCOMPARE(examples, (QStringList{"letter/leter", "running/runing", "writing/writting"}));
    // Swapped and Vowel are seen twice each: the tie goes by the order of the kinds.
    QCOMPARE(two[1].kind, SlipKind::Swapped);
    QCOMPARE(two[1].count, 2);
    QCOMPARE(int(two[1].examples.size()), 2);

    const std::vector<SlipTally> all = counter.mostFrequent(SLIP_KIND_COUNT);
    QCOMPARE(int(all.size()), 3);
    QCOMPARE(all[2].kind, SlipKind::Vowel);
    QCOMPARE(all[2].examples.back().typed, QStringLiteral("liter"));
    QVERIFY(counter.mostFrequent(0).empty());
    QVERIFY(counter.mostFrequent(-1).empty());
}

QTEST_APPLESS_MAIN(TestSlips)
#include "tst_slips.moc"
