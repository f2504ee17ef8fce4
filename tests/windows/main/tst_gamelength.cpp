#include "app/gamelength.h"

#include <QTest>

#include <optional>

class TestGameLength : public QObject
{
    Q_OBJECT
private slots:
    void gameMinutesFromText_acceptsOnlyWholeNumbersFromOneToTen_data();
    void gameMinutesFromText_acceptsOnlyWholeNumbersFromOneToTen();
};

void TestGameLength::gameMinutesFromText_acceptsOnlyWholeNumbersFromOneToTen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes"); // 0: no length

    QTest::newRow("1") << "1" << 1;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("10") << "10" << 10;
    QTest::newRow("blanks around") << " 3 " << 3;
    QTest::newRow("tab before") << "\t7" << 7;
    QTest::newRow("plus sign") << "+4" << 4;
    QTest::newRow("leading zero") << "05" << 5;
    QTest::newRow("full-width digits") << "１０" << 10;
    QTest::newRow("full-width digit") << "６" << 6;

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only blanks") << "   " << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("11") << "11" << 0;
    QTest::newRow("100") << "100" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("number then letters") << "5abc" << 0;
    QTest::newRow("number then unit") << "5分" << 0;
    QTest::newRow("decimal") << "2.5" << 0;
    QTest::newRow("sign alone") << "+" << 0;
    QTest::newRow("digits apart") << "1 0" << 0;
    QTest::newRow("beyond 32 bits") << "99999999999" << 0;
    QTest::newRow("Chinese numeral") << "五" << 0;
}

void TestGameLength::gameMinutesFromText_acceptsOnlyWholeNumbersFromOneToTen()
{
    QFETCH(QString, text);
    QFETCH(int, minutes);
    const std::optional<qint32> length = gameMinutesFromText(text);
    if (minutes == 0) {
        QVERIFY2(!length.has_value(), qPrintable(QString::number(length.value_or(0))));
    } else {
        QVERIFY(length.has_value());
        QCOMPARE(*length, minutes);
    }
}

QTEST_APPLESS_MAIN(TestGameLength)
#include "tst_gamelength.moc"
