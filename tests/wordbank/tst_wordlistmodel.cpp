#include "tests/support/tempwordbank.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankcommands.h"
#include "wordbank/wordbankconnection.h"
#include "wordbank/wordlistmodel.h"
#include "wordbank/wordbankfile.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

// Columns in another order than the table's, and one more: the list reads
// them by name.
QSharedPointer<const RecordSetSnapshot> threeRows()
{
    return QSharedPointer<const RecordSetSnapshot>::create(
        QStringList{QStringLiteral("字数"), QStringLiteral("extra"), QStringLiteral("词语"), QStringLiteral("ID")},
        QList<QVariant>{QStringLiteral("2"), 1, QStringLiteral("大象"), 30,
                        QStringLiteral("七"), 2, QStringLiteral("小猫"), 20,
                        QVariant(), 3, QStringLiteral("长颈鹿"), 10});
}

} // namespace

class TestWordListModel : public QObject
{
    Q_OBJECT
private slots:
    void model_showsIdWordAndCountByColumnName();
    void model_showsOnlyTheCountedRows_data();
    void model_showsOnlyTheCountedRows();
    void model_outsideTheListIsEmptyText_data();
    void model_outsideTheListIsEmptyText();
    void model_headersAndFlags();
    void model_showingRowsResetsTheViewOnce();
    void walk_countsEveryRowAndEndsPastTheLast();
    void captions_sayHowManyWords();
};

void TestWordListModel::model_showsIdWordAndCountByColumnName()
{
    WordListModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.showRows(threeRows(), 3);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 3);
    const QStringList expected[] = {{"30", "大象", "2"}, {"20", "小猫", "七"}, {"10", "长颈鹿", ""}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(model.cellText(row, column), expected[row][column]);
            QCOMPARE(model.index(row, column).data().toString(), expected[row][column]);
            QCOMPARE(Qt::Alignment(model.index(row, column).data(Qt::TextAlignmentRole).toInt()),
                     Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void TestWordListModel::model_showsOnlyTheCountedRows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shown");
    QTest::newRow("all") << 3 << 3;
    QTest::newRow("fewer") << 2 << 2;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("more than there are") << 9 << 3;
    QTest::newRow("negative") << -1 << 0;
}

void TestWordListModel::model_showsOnlyTheCountedRows()
{
    QFETCH(int, count);
    QFETCH(int, shown);
    WordListModel model(nullptr);
    model.showRows(threeRows(), count);
    QCOMPARE(model.rowCount(), shown);
    QCOMPARE(model.cellText(shown, 1), QString());
}

void TestWordListModel::model_outsideTheListIsEmptyText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("row -1") << -1 << 0;
    QTest::newRow("row past the end") << 3 << 1;
    QTest::newRow("column -1") << 0 << -1;
    QTest::newRow("column past the end") << 0 << 3;
}

void TestWordListModel::model_outsideTheListIsEmptyText()
{
    QFETCH(int, row);
    QFETCH(int, column);
    WordListModel model(nullptr);
    model.showRows(threeRows(), 3);
    QCOMPARE(model.cellText(row, column), QString());
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.cellText(0, 0), QString());
}

void TestWordListModel::model_headersAndFlags()
{
    WordListModel model(nullptr);
    model.showRows(threeRows(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("编号"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("词语"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("字数"));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    const Qt::ItemFlags flags = model.flags(model.index(1, 1));
    QVERIFY(flags & Qt::ItemIsSelectable);
    QVERIFY(flags & Qt::ItemIsEnabled);
    QVERIFY(!(flags & Qt::ItemIsEditable));
}

void TestWordListModel::model_showingRowsResetsTheViewOnce()
{
    WordListModel model(nullptr);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.showRows(threeRows(), 3);
    QCOMPARE(resets.size(), 1);
    model.showRows(nullptr, 3);
    QCOMPARE(resets.size(), 2);
    QCOMPARE(model.rowCount(), 0);
}

void TestWordListModel::walk_countsEveryRowAndEndsPastTheLast()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫"), QStringLiteral("长颈鹿")});
    WordBankConnection connection(nullptr);
    QCOMPARE(openWithCheck(connection), OpenOutcome::Opened);
    const RecordSetHandle handle = connection.query(statements::newestFirst());
    QVERIFY(handle != 0);
    connection.moveNext(handle);
    QCOMPARE(walkRows(connection, handle), 3);
    QVERIFY(connection.isAfterLast(handle));
    QCOMPARE(walkRows(connection, handle), 3);
    QCOMPARE(walkRows(connection, 0), 0);
    QCOMPARE(walkRows(connection, connection.query(statements::findWord(QStringLiteral("河马")))), 0);
}

void TestWordListModel::captions_sayHowManyWords()
{
    QCOMPARE(listedCaption(0), QStringLiteral("目前有0条词语"));
    QCOMPARE(listedCaption(1844), QStringLiteral("目前有1844条词语"));
    QCOMPARE(foundCaption(3), QStringLiteral("查询到有3条词语"));
    QCOMPARE(countSuggestion(QStringLiteral("T恤")), QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestWordListModel)
#include "tst_wordlistmodel.moc"
