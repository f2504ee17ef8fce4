#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    void fileExists_matchesFilesFoldersAndWildcards_data();
    void fileExists_matchesFilesFoldersAndWildcards();
    void currentDirectory_hasNoTrailingSeparatorExceptAtTheRoot();
};

void TestFiles::fileExists_matchesFilesFoldersAndWildcards_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("a file") << "caici.mdb" << true;
    QTest::newRow("a folder") << "pages" << true;
    QTest::newRow("missing") << "other.mdb" << false;
    QTest::newRow("star") << "*.mdb" << true;
    QTest::newRow("question mark") << "caic?.mdb" << true;
    QTest::newRow("star matching nothing") << "*.txt" << false;
    QTest::newRow("bracket set") << "[bc]aici.mdb" << true;
    QTest::newRow("empty name") << "" << false;
}

void TestFiles::fileExists_matchesFilesFoldersAndWildcards()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("caici.mdb"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(folder.path()).mkdir("pages"));
    const QString path = name.isEmpty() ? QString() : folder.filePath(name);
    QCOMPARE(fileExists(path), exists);
}

void TestFiles::currentDirectory_hasNoTrailingSeparatorExceptAtTheRoot()
{
    const QString before = QDir::currentPath();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    enterProgramDirectory(folder.path());
    QCOMPARE(currentDirectory(), QDir(folder.path()).canonicalPath());
    QVERIFY(!currentDirectory().endsWith(u'/'));
    enterProgramDirectory(QDir::rootPath());
    QCOMPARE(currentDirectory(), QStringLiteral("/"));
    enterProgramDirectory(before);
}

QTEST_APPLESS_MAIN(TestFiles)
#include "tst_files.moc"
