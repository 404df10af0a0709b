#include "dictionaries/boundedstring.h"

#include <QtTest>

#include <cstring>

// Each row runs the same case through the byte and the UTF-16 forms, with a guard area behind the buffer to catch
// any write past size.
class TestBoundedString : public QObject
{
    Q_OBJECT

private slots:
    void copy_data();
    void copy();
    void append_data();
    void append();
    void pathBuffer_cutsLongPaths();
};

namespace {

constexpr int GUARD = 16;
constexpr char FILL = '#';

std::u16string widen(const char* s)
{
    std::u16string out;
    for (; *s; ++s)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*s)));
    return out;
}

} // namespace

void TestBoundedString::copy_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected"); // buffer contents up to size; "#" marks untouched units
    QTest::addColumn<int>("result");

    QTest::addRow("size 0 writes nothing") << QByteArray("abc") << 0 << QByteArray("") << 3;
    QTest::addRow("size 1 gives the empty text") << QByteArray("abc") << 1 << QByteArray("\0", 1) << 3;
    QTest::addRow("exact fit") << QByteArray("abc") << 4 << QByteArray("abc\0", 4) << 3;
    QTest::addRow("one short is cut") << QByteArray("abcd") << 4 << QByteArray("abc\0", 4) << 4;
    QTest::addRow("overflow is cut") << QByteArray("abcdefghij") << 5 << QByteArray("abcd\0", 5) << 10;
    QTest::addRow("room to spare") << QByteArray("ab") << 6 << QByteArray("ab\0###", 6) << 2;
    QTest::addRow("empty source") << QByteArray("") << 3 << QByteArray("\0##", 3) << 0;
}

void TestBoundedString::copy()
{
    QFETCH(QByteArray, source);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QFETCH(int, result);

    char narrow[64];
    std::memset(narrow, FILL, sizeof narrow);
    QCOMPARE(int(strlcpy(narrow, source.constData(), std::size_t(size))), result);
    QCOMPARE(QByteArray(narrow, size), expected);
    QCOMPARE(QByteArray(narrow + size, GUARD), QByteArray(GUARD, FILL));

    char16_t wide[64];
    std::fill(std::begin(wide), std::end(wide), char16_t(FILL));
    const std::u16string wideSource = widen(source.constData());
    QCOMPARE(int(wcslcpy(wide, wideSource.c_str(), std::size_t(size))), result);
    for (int i = 0; i < size; ++i)
        QCOMPARE(int(wide[i]), int(static_cast<unsigned char>(expected[i])));
    for (int i = size; i < size + GUARD; ++i)
        QCOMPARE(int(wide[i]), int(FILL));
}

void TestBoundedString::append_data()
{
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("result");

    QTest::addRow("size 0 writes nothing") << QByteArray("ab") << QByteArray("cd") << 0 << QByteArray("") << 2;
    QTest::addRow("size 1 over empty text") << QByteArray("") << QByteArray("cd") << 1 << QByteArray("\0", 1) << 2;
    QTest::addRow("exact fit") << QByteArray("ab") << QByteArray("cd") << 5 << QByteArray("abcd\0", 5) << 4;
    QTest::addRow("overflow is cut") << QByteArray("ab") << QByteArray("cdef") << 5 << QByteArray("abcd\0", 5) << 6;
    QTest::addRow("destination already full") << QByteArray("abcd") << QByteArray("xy") << 5 << QByteArray("abcd\0", 5)
                                              << 6;
    // No NUL within size: the initial length counts as size and nothing is written.
    QTest::addRow("destination unterminated within size")
        << QByteArray("abcdefgh") << QByteArray("xy") << 4 << QByteArray("abcd") << 6;
    QTest::addRow("empty source") << QByteArray("ab") << QByteArray("") << 4 << QByteArray("ab\0#", 4) << 2;
}

void TestBoundedString::append()
{
    QFETCH(QByteArray, initial);
    QFETCH(QByteArray, source);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QFETCH(int, result);

    char narrow[64];
    std::memset(narrow, FILL, sizeof narrow);
    std::memcpy(narrow, initial.constData(), std::size_t(initial.size()) + 1);
    QCOMPARE(int(strlcat(narrow, source.constData(), std::size_t(size))), result);
    QCOMPARE(QByteArray(narrow, size), expected);
    QCOMPARE(QByteArray(narrow + qMax(size, initial.size() + 1), GUARD), QByteArray(GUARD, FILL));

    char16_t wide[64];
    std::fill(std::begin(wide), std::end(wide), char16_t(FILL));
    const std::u16string wideInitial = widen(initial.constData());
    std::copy(wideInitial.begin(), wideInitial.end(), wide);
    wide[wideInitial.size()] = 0;
    const std::u16string wideSource = widen(source.constData());
    QCOMPARE(int(wcslcat(wide, wideSource.c_str(), std::size_t(size))), result);
    for (int i = 0; i < size; ++i)
        QCOMPARE(int(wide[i]), int(static_cast<unsigned char>(expected[i])));
    for (int i = qMax(size, initial.size() + 1); i < qMax(size, initial.size() + 1) + GUARD; ++i)
        QCOMPARE(int(wide[i]), int(FILL));
}

void TestBoundedString::pathBuffer_cutsLongPaths()
{
    // A 300-unit folder name and a file name appended to it: cut to 259 units, terminated, nothing past.
    char16_t path[PATH_UNITS + GUARD];
    std::fill(std::begin(path), std::end(path), u'#');
    const std::u16string longFolder(300, u'd');
    QCOMPARE(int(wcslcpy(path, longFolder.c_str(), PATH_UNITS)), 300);
    QCOMPARE(int(wcslcat(path, u"/word.wav", PATH_UNITS)), PATH_UNITS - 1 + 9);
    QCOMPARE(int(wcslen16(path)), PATH_UNITS - 1);
    for (int i = PATH_UNITS; i < PATH_UNITS + GUARD; ++i)
        QCOMPARE(int(path[i]), int(u'#'));
}

QTEST_APPLESS_MAIN(TestBoundedString)
#include "tst_boundedstring.moc"
