#include "app/addresses.h"
#include "platform/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestAddresses : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_start = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_start); }
    void pages_areFileAddressesInThePagesFolderOfTheCurrentDirectory();
    void pages_atTheRootHaveNoDoubledSeparator();
    void pages_areCopiedBesideTheProgram();

private:
    QString m_start;
};

void TestAddresses::pages_areFileAddressesInThePagesFolderOfTheCurrentDirectory()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir::setCurrent(folder.path()));
    const QString pages = QDir(folder.path()).canonicalPath() + QStringLiteral("/pages/");
    QCOMPARE(bannerPageAddress(), QUrl::fromLocalFile(pages + "banner.html"));
    QCOMPARE(homePageAddress(), QUrl::fromLocalFile(pages + "home.html"));
    QCOMPARE(supportPageAddress(), QUrl::fromLocalFile(pages + "support.html"));
    QCOMPARE(homePageAddress().scheme(), QStringLiteral("file"));
}

void TestAddresses::pages_atTheRootHaveNoDoubledSeparator()
{
    QVERIFY(QDir::setCurrent(QDir::rootPath()));
    QCOMPARE(homePageAddress().toLocalFile(), QDir::rootPath() + QStringLiteral("pages/home.html"));
    QVERIFY(homePageAddress().host().isEmpty());
}

void TestAddresses::pages_areCopiedBesideTheProgram()
{
    enterProgramDirectory(QStringLiteral(CAICI_RUNTIME_DIR));
    for (const QUrl &page : {bannerPageAddress(), homePageAddress(), supportPageAddress()})
        QVERIFY2(fileExists(page.toLocalFile()), qPrintable(page.toString()));
}

QTEST_APPLESS_MAIN(TestAddresses)
#include "tst_addresses.moc"
