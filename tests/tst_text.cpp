#include "text/boundedstring.h"

#include <QtTest>

#include <type_traits>

// Bounded copies: each row runs through the byte and the UTF-16 forms, with a guard area behind the buffer to catch
// any write past size. (The display form of counts is seen in the main window's labels.)
class TestText : public QObject
{
    Q_OBJECT

private slots:
    void copyAndAppend_data();
    void copyAndAppend();
};

namespace {

constexpr int GUARD = 16;
constexpr char FILL = '#';

// Copies, or appends to initial when it is not null, in a buffer of C filled with FILL. Gives "result:" and the
// buffer's first size units, then "overrun" if any unit of the guard area behind them changed.
template <typename C> QByteArray run(const QByteArray& initial, const QByteArray& source, int size)
{
    C buffer[64], from[64];
    std::fill(std::begin(buffer), std::end(buffer), C(FILL));
    if (!initial.isNull())
        std::copy(initial.constData(), initial.constData() + initial.size() + 1, buffer);
    std::copy(source.constData(), source.constData() + source.size() + 1, from);
    std::size_t result;
    if constexpr (std::is_same_v<C, char>)
        result = initial.isNull() ? strlcpy(buffer, from, std::size_t(size)) : strlcat(buffer, from, std::size_t(size));
    else
        result = initial.isNull() ? wcslcpy(buffer, from, std::size_t(size)) : wcslcat(buffer, from, std::size_t(size));
    QByteArray units = QByteArray::number(qulonglong(result)) + ':';
    for (int i = 0; i < size; ++i)
        units += char(buffer[i]);
    const int end = qMax(size, initial.isNull() ? 0 : initial.size() + 1);
    return units + (std::count(buffer + end, buffer + end + GUARD, C(FILL)) == GUARD ? "" : " overrun");
}

} // namespace

void TestText::copyAndAppend_data()
{
    QTest::addColumn<QByteArray>("initial"); // null: copy
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected"); // the result, then the buffer up to size; "#" marks untouched units

    const QByteArray copy;
    QTest::addRow("copy, size 0 writes nothing") << copy << QByteArray("abc") << 0 << QByteArray("3:");
    QTest::addRow("copy, one short is cut") << copy << QByteArray("abcd") << 4 << QByteArray("4:abc\0", 6);
    QTest::addRow("copy, room to spare") << copy << QByteArray("ab") << 6 << QByteArray("2:ab\0###", 8);
    QTest::addRow("append, size 1 over empty text") << QByteArray("") << QByteArray("cd") << 1 << QByteArray("2:\0", 3);
    QTest::addRow("append, exact fit") << QByteArray("ab") << QByteArray("cd") << 5 << QByteArray("4:abcd\0", 7);
    QTest::addRow("append, overflow is cut")
        << QByteArray("ab") << QByteArray("cdef") << 5 << QByteArray("6:abcd\0", 7);
    QTest::addRow("append, destination already full")
        << QByteArray("abcd") << QByteArray("xy") << 5 << QByteArray("6:abcd\0", 7);
    // No NUL within size: the initial length counts as size and nothing is written.
    QTest::addRow("append, destination unterminated within size")
        << QByteArray("abcdefgh") << QByteArray("xy") << 4 << QByteArray("6:abcd");
}

void TestText::copyAndAppend()
{
    QFETCH(QByteArray, initial);
    QFETCH(QByteArray, source);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QCOMPARE(run<char>(initial, source, size), expected);
    QCOMPARE(run<char16_t>(initial, source, size), expected);
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
