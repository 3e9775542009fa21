// SPDX-License-Identifier: MIT
#include "NumberText.h"

#include <QTest>

#include <clocale>
#include <cstring>
#include <limits>

namespace {

std::optional<double> read(const QByteArray &text)
{
    return readNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

QByteArray write(double value)
{
    return QByteArray::fromStdString(writeNumber(value));
}

QByteArray repeated(char c, int count)
{
    return QByteArray(count, c);
}

// Puts the C locale back however the test ends.
struct CLocaleRestorer
{
    ~CLocaleRestorer() { std::setlocale(LC_ALL, "C"); }
};

} // namespace

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void readBeyondRangeFails_data();
    void readBeyondRangeFails();
    void writesNumber_data();
    void writesNumber();
    void writesInteger_data();
    void writesInteger();
    void ignoresCommaLocale();
};

void tst_NumberText::readsLeadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("leading zero") << QByteArray("045") << 45.0;
    QTest::newRow("zero fraction") << QByteArray("45.0") << 45.0;
    QTest::newRow("stops at letters") << QByteArray("45abc") << 45.0;
    QTest::newRow("negative") << QByteArray("-30") << -30.0;
    QTest::newRow("plus sign") << QByteArray("+2.5") << 2.5;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("two signs") << QByteArray("--5") << 0.0;
    QTest::newRow("blanks inside") << QByteArray(" 2 45 7") << 2457.0;
    QTest::newRow("tab and line feed inside") << QByteArray("1\t2\n.5") << 12.5;
    QTest::newRow("blank after sign") << QByteArray("- 5") << -5.0;
    QTest::newRow("blanks around exponent") << QByteArray("1 e - 2") << 0.01;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("exponent E") << QByteArray("1E3") << 1000.0;
    QTest::newRow("exponent D") << QByteArray("1D3") << 1000.0;
    QTest::newRow("exponent d, negative") << QByteArray("25d-1") << 2.5;
    QTest::newRow("exponent letter without digits") << QByteArray("7e") << 7.0;
    QTest::newRow("exponent sign without digits") << QByteArray("7e+x") << 7.0;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << 0.0;
    QTest::newRow("currency sign") << QByteArray("$5") << 0.0;
    QTest::newRow("hexadecimal prefix") << QByteArray("&H10") << 0.0;
    QTest::newRow("Arabic-Indic digits") << QByteArray("\xd9\xa1\xd9\xa2") << 0.0;
    QTest::newRow("Arabic-Indic digit after a digit") << QByteArray("1\xd9\xa2") << 1.0;
    QTest::newRow("comma is no decimal point") << QByteArray("1,5") << 1.0;
    QTest::newRow("tiny underflows to zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("endless negative exponent") << QByteArray("1e-99999999999999999999") << 0.0;
    QTest::newRow("endless exponent of zero") << QByteArray("0e99999999999999999999") << 0.0;
    QTest::newRow("smallest subnormal")
        << QByteArray("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("halfway rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("digit far past halfway rounds up")
        << QByteArray("9007199254740993." + repeated('0', 100000) + "1") << 9007199254740994.0;
    QTest::newRow("long run of blanks") << QByteArray(repeated(' ', 100000) + "7") << 7.0;
    QTest::newRow("long run of zeros before digits")
        << QByteArray("0." + repeated('0', 99) + "1e100") << 1.0;
    QTest::newRow("long repeating fraction")
        << QByteArray("0." + repeated('3', 100000)) << 1.0 / 3.0;
    QTest::newRow("long whole number") << QByteArray("1" + repeated('0', 300)) << 1e300;
}

void tst_NumberText::readsLeadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);

    const std::optional<double> value = read(text);
    QVERIFY(value.has_value());
    // QCOMPARE on doubles is fuzzy; these must be the exact double.
    QVERIFY2(*value == expected,
             qPrintable(QByteArray::number(*value, 'g', 17)
                        + " != " + QByteArray::number(expected, 'g', 17)));
}

void tst_NumberText::readBeyondRangeFails_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("1e400") << QByteArray("1e400");
    QTest::newRow("-1e400") << QByteArray("-1e400");
    QTest::newRow("just past the largest double") << QByteArray("1.8e308");
    QTest::newRow("exponent D") << QByteArray("1D309");
    QTest::newRow("endless exponent") << QByteArray("1e99999999999999999999");
    QTest::newRow("long whole number") << QByteArray("1" + repeated('0', 100000));
}

void tst_NumberText::readBeyondRangeFails()
{
    QFETCH(QByteArray, text);

    QVERIFY(!read(text).has_value());
}

void tst_NumberText::writesNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("0");
    QTest::newRow("whole") << 45.0 << QByteArray("45");
    QTest::newRow("whole with zeros") << 1e14 << QByteArray("100000000000000");
    QTest::newRow("negative") << -30.0 << QByteArray("-30");
    QTest::newRow("fraction") << -2.5 << QByteArray("-2.5");
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::newRow("15 significant digits") << 3.141592653589793 << QByteArray("3.14159265358979");
    QTest::newRow("rounds to whole") << 123456789012345.6 << QByteArray("123456789012346");
    QTest::newRow("largest plain") << 999999999999999.0 << QByteArray("999999999999999");
    QTest::newRow("rounds up into E notation") << 999999999999999.9 << QByteArray("1E+15");
    QTest::newRow("1E15") << 1e15 << QByteArray("1E+15");
    QTest::newRow("1.2E15") << 1.2e15 << QByteArray("1.2E+15");
    QTest::newRow("1.234E16") << 1.234e16 << QByteArray("1.234E+16");
    QTest::newRow("largest double rounds down to stay readable")
        << std::numeric_limits<double>::max() << QByteArray("1.79769313486231E+308");
    QTest::newRow("largest negative double")
        << -std::numeric_limits<double>::max() << QByteArray("-1.79769313486231E+308");
    QTest::newRow("small plain") << 1.5e-7 << QByteArray("0.00000015");
    QTest::newRow("15 decimals plain") << 5.6789e-11 << QByteArray("0.000000000056789");
    QTest::newRow("16 decimals in E notation") << 5.6789e-12 << QByteArray("5.6789E-12");
    QTest::newRow("negative small in E notation") << -1.5e-15 << QByteArray("-1.5E-15");
    QTest::newRow("three-digit exponent") << 1e-300 << QByteArray("1E-300");
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min()
                               << QByteArray("4.94065645841247E-324");
}

void tst_NumberText::writesNumber()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);

    QCOMPARE(write(value), expected);
}

void tst_NumberText::writesInteger_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("row") << 2 << QByteArray("2");
    QTest::newRow("no row") << -1 << QByteArray("-1");
    QTest::newRow("lowest") << -32768 << QByteArray("-32768");
}

void tst_NumberText::writesInteger()
{
    QFETCH(int, value);
    QFETCH(QByteArray, expected);

    QCOMPARE(QByteArray::fromStdString(writeInteger(static_cast<std::int16_t>(value))), expected);
}

void tst_NumberText::ignoresCommaLocale()
{
    const CLocaleRestorer restorer;
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        QSKIP("no de_DE.UTF-8 locale: the build compiles one with localedef into LOCPATH");
    if (std::strcmp(std::localeconv()->decimal_point, ",") != 0)
        QSKIP("de_DE.UTF-8 does not use a comma as its decimal point here");

    QCOMPARE(read("1.5"), std::optional<double>(1.5));
    QCOMPARE(read("1,5"), std::optional<double>(1.0));
    QCOMPARE(write(2.5), QByteArray("2.5"));
    QCOMPARE(write(1234567.25), QByteArray("1234567.25"));
    QCOMPARE(write(1.5e-20), QByteArray("1.5E-20"));
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
