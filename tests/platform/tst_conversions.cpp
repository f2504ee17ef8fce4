#include "platform/conversions.h"

#include <QTest>

#include <limits>

class TestConversions : public QObject
{
    Q_OBJECT
private slots:
    void realToText_givesShortestFormOfThirteenDigits_data();
    void realToText_givesShortestFormOfThirteenDigits();
    void integerToText_isPlainDecimal_data();
    void integerToText_isPlainDecimal();
    void textToInteger_readsLeadingNumber_data();
    void textToInteger_readsLeadingNumber();
};

void TestConversions::realToText_givesShortestFormOfThirteenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one and a half") << 1.5 << "1.5";
    QTest::newRow("180.0 drops its point") << 180.0 << "180";
    QTest::newRow("60.0") << 60.0 << "60";
    QTest::newRow("two thirds of 100") << 2.0 / 3.0 * 100.0 << "66.66666666667";
    QTest::newRow("100 / 3") << 100.0 / 3.0 << "33.33333333333";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("0.0001 stays plain") << 0.0001 << "0.0001";
    QTest::newRow("0.00001 takes an exponent") << 0.00001 << "1e-05";
    QTest::newRow("just below 1e13 stays plain") << 9999999999999.0 << "9999999999999";
    QTest::newRow("1e13 takes an exponent") << 1e13 << "1e+13";
    QTest::newRow("negative whole") << -120.0 << "-120";
    QTest::newRow("negative fraction") << -2.5 << "-2.5";
    QTest::newRow("negative third") << -1.0 / 3.0 << "-0.3333333333333";
}

void TestConversions::realToText_givesShortestFormOfThirteenDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(realToText(value), text);
}

void TestConversions::integerToText_isPlainDecimal_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("positive") << qint64(600) << "600";
    QTest::newRow("negative") << qint64(-42) << "-42";
    QTest::newRow("lowest 32-bit") << qint64(std::numeric_limits<qint32>::min()) << "-2147483648";
}

void TestConversions::integerToText_isPlainDecimal()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(integerToText(value), text);
}

void TestConversions::textToInteger_readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");
    for (int minutes = 1; minutes <= 10; ++minutes)
        QTest::addRow("combo item %d", minutes) << QString::number(minutes) << minutes;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("blanks, digits, letters") << "  42abc" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("plus sign") << "+8" << 8;
    QTest::newRow("letters first") << "abc" << 0;
    QTest::newRow("sign without digits") << "-" << 0;
    QTest::newRow("digits stop at a point") << "2.9" << 2;
    QTest::newRow("full-width ten") << QStringLiteral("１０") << 10;
    QTest::newRow("full-width minus three") << QStringLiteral("－３") << -3;
    QTest::newRow("full-width plus") << QStringLiteral("＋５") << 5;
    QTest::newRow("mixed widths") << QStringLiteral("1０") << 10;
    QTest::newRow("blank between sign and digits") << "- 4" << 0;
    QTest::newRow("too large saturates") << "99999999999" << std::numeric_limits<qint32>::max();
    QTest::newRow("too small saturates") << "-99999999999" << std::numeric_limits<qint32>::min();
}

void TestConversions::textToInteger_readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(qint32, value);
    QCOMPARE(textToInteger(text), value);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
