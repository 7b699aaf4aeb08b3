#include "AppError.h"
#include "FileBytes.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace sorvanta;
using namespace sorvanta::test;

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void settingsPath_data();
    void settingsPath();
    void loads_data();
    void loads();
    void missingFileGivesDefaults();
    void savesBytes_data();
    void savesBytes();
    void roundTrip();
    void saveFailureNamesPath();
    void unreadableFileIsNotOverwritten();

private:
    static QString writeFile(const QTemporaryDir& dir, const QByteArray& contents);
};

QString SettingsTest::writeFile(const QTemporaryDir& dir, const QByteArray& contents)
{
    const QString path = dir.filePath(QStringLiteral("Tamrin.ini"));
    writeBytes(path, contents);
    return path;
}

void SettingsTest::settingsPath_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");

    QTest::newRow("no extension") << "/opt/app/Tamrin" << "/opt/app/Tamrin.ini";
    QTest::newRow("extension replaced") << "/opt/app/Tamrin.exe" << "/opt/app/Tamrin.ini";
    QTest::newRow("last dot only") << "/opt/app/my.tool.bin" << "/opt/app/my.tool.ini";
    QTest::newRow("dot in a directory") << "/opt/v1.2/Tamrin" << "/opt/v1.2/Tamrin.ini";
    QTest::newRow("bare name") << "Tamrin" << "Tamrin.ini";
}

void SettingsTest::settingsPath()
{
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(settingsPathFor(executable), settings);
}

void SettingsTest::loads_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("savedTabCount");
    QTest::addColumn<bool>("tabsBottom");
    QTest::addColumn<QStringList>("names");     // one per tab loaded
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("two tabs at the bottom")
        << QByteArray("[Tamrin SETTINGS]\r\n#_tabs=2\r\ntabs_bottom=1\r\ntab_name_1=Alpha\r\n"
                      "tab_address_1=https://a.example/?q=TEST\r\ntab_name_2=Beta\r\ntab_address_2=b?TEST\r\n")
        << 2 << true << QStringList{"Alpha", "Beta"} << QStringList{"https://a.example/?q=TEST", "b?TEST"};
    QTest::newRow("hex count") << QByteArray("[Tamrin SETTINGS]\n#_tabs=0x3\ntab_name_3=C\n") << 3 << false
                               << QStringList{"", "", "C"} << QStringList{"", "", ""};
    QTest::newRow("negative count") << QByteArray("[Tamrin SETTINGS]\n#_tabs=-2\ntab_name_1=A\n") << 0 << false
                                    << QStringList{} << QStringList{};
    QTest::newRow("count not a number") << QByteArray("[Tamrin SETTINGS]\n#_tabs=two\ntab_name_1=A\n") << 0
                                        << false << QStringList{} << QStringList{};
    QTest::newRow("missing name keeps its address")
        << QByteArray("[Tamrin SETTINGS]\n#_tabs=2\ntab_name_1=A\ntab_address_1=a\ntab_address_2=b\n") << 2 << false
        << QStringList{"A", ""} << QStringList{"a", "b"};
    QTest::newRow("bottom 2") << QByteArray("[Tamrin SETTINGS]\ntabs_bottom=2\n") << 0 << true << QStringList{}
                              << QStringList{};
    QTest::newRow("bottom -1") << QByteArray("[Tamrin SETTINGS]\ntabs_bottom=-1\n") << 0 << true << QStringList{}
                               << QStringList{};
    QTest::newRow("bottom yes") << QByteArray("[Tamrin SETTINGS]\ntabs_bottom=yes\n") << 0 << false
                                << QStringList{} << QStringList{};
    QTest::newRow("bottom empty") << QByteArray("[Tamrin SETTINGS]\ntabs_bottom=\n") << 0 << false << QStringList{}
                                  << QStringList{};
    QTest::newRow("quotes, comments, case, BOM, CR only")
        << QByteArray("\xEF\xBB\xBF; saved tabs\r[tamrin settings]\r#_TABS = 1 \r;tab_name_1=Old\r"
                      "TAB_NAME_1 = \"  Spaced  \"\rtab_address_1='q=TEST'\r")
        << 1 << false << QStringList{"  Spaced  "} << QStringList{"q=TEST"};
    QTest::newRow("first duplicates win")
        << QByteArray("[Tamrin SETTINGS]\n#_tabs=1\ntab_name_1=First\ntab_name_1=Second\n"
                      "[Tamrin SETTINGS]\n#_tabs=2\n")
        << 1 << false << QStringList{"First"} << QStringList{""};
    QTest::newRow("non-ASCII text") << QByteArray("[Tamrin SETTINGS]\n#_tabs=1\ntab_name_1=Caf\xC3\xA9\n") << 1
                                    << false << QStringList{QString::fromUtf8("Café")} << QStringList{""};

    QByteArray many = "[Tamrin SETTINGS]\n#_tabs=31\n";
    QStringList manyNames;
    for (int n = 1; n <= 31; ++n) {
        many += "tab_name_" + QByteArray::number(n) + "=T" + QByteArray::number(n) + "\n";
        if (n <= 30)
            manyNames << QStringLiteral("T%1").arg(n);
    }
    QTest::newRow("above 30 loads the first 30") << many << 30 << false << manyNames << QStringList(30, QString());
}

void SettingsTest::loads()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, savedTabCount);
    QFETCH(bool, tabsBottom);
    QFETCH(QStringList, names);
    QFETCH(QStringList, addresses);

    const QTemporaryDir dir;
    const TabSettings settings = loadSettings(writeFile(dir, contents));
    QCOMPARE(settings.savedTabCount, savedTabCount);
    QCOMPARE(settings.tabsBottom, tabsBottom);
    QStringList readNames;
    QStringList readAddresses;
    for (const TabEntry& tab : settings.tabs) {
        readNames << tab.caption;
        readAddresses << tab.address;
    }
    QCOMPARE(readNames, names);
    QCOMPARE(readAddresses, addresses);
}

void SettingsTest::missingFileGivesDefaults()
{
    const QTemporaryDir dir;
    QCOMPARE(loadSettings(dir.filePath(QStringLiteral("Tamrin.ini"))), TabSettings{});
}

void SettingsTest::savesBytes_data()
{
    QTest::addColumn<QByteArray>("before");  // empty: no file
    QTest::addColumn<int>("tabCount");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no tabs, no file") << QByteArray() << 0
                                      << QByteArray("[Tamrin SETTINGS]\r\n#_tabs=0\r\ntabs_bottom=0\r\n");
    QTest::newRow("two tabs, no file")
        << QByteArray() << 2
        << QByteArray("[Tamrin SETTINGS]\r\n#_tabs=2\r\ntabs_bottom=0\r\ntab_name_1=N1\r\ntab_address_1=A1\r\n"
                      "tab_name_2=N2\r\ntab_address_2=A2\r\n");
    QTest::newRow("stale higher tabs kept, other lines untouched")
        << QByteArray("; mine\n[Other]\nx=1\n[Tamrin SETTINGS]\n#_tabs=3\ntabs_bottom=1\ntab_name_1=a\n"
                      "tab_address_1=b\ntab_name_2=c\ntab_address_2=d\ntab_name_3=e\ntab_address_3=f\n")
        << 1
        << QByteArray("; mine\n[Other]\nx=1\n[Tamrin SETTINGS]\n#_tabs=1\ntabs_bottom=0\ntab_name_1=N1\n"
                      "tab_address_1=A1\ntab_name_2=c\ntab_address_2=d\ntab_name_3=e\ntab_address_3=f\n");
}

void SettingsTest::savesBytes()
{
    QFETCH(QByteArray, before);
    QFETCH(int, tabCount);
    QFETCH(QByteArray, after);

    const QTemporaryDir dir;
    const QString path = before.isEmpty() ? dir.filePath(QStringLiteral("Tamrin.ini")) : writeFile(dir, before);
    TabSettings settings;
    for (int n = 1; n <= tabCount; ++n)
        settings.tabs.append({QStringLiteral("N%1").arg(n), QStringLiteral("A%1").arg(n)});
    saveSettings(path, settings);

    QCOMPARE(readBytes(path), after);
}

void SettingsTest::roundTrip()
{
    TabSettings saved;
    saved.tabsBottom = true;
    saved.tabs = {{QString::fromUtf8("Wörterbuch"), QStringLiteral("https://dict.example/?q=TEST&lang=de")},
                  {QString(), QString()},
                  {QStringLiteral("\"Quoted\""), QStringLiteral("'q=TEST'")},
                  {QStringLiteral("#;[x]"), QStringLiteral("https://x.example/") + QString(3000, u'a')}};
    for (int n = 5; n <= 32; ++n)
        saved.tabs.append({QStringLiteral("T%1").arg(n), QStringLiteral("A%1").arg(n)});
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tamrin.ini"));
    saveSettings(path, saved);

    const QByteArray contents = readBytes(path);
    QVERIFY(contents.contains("\r\n#_tabs=30\r\n"));
    QVERIFY(!contents.contains("tab_name_31"));

    TabSettings expected = saved;
    expected.tabs.resize(30);
    expected.savedTabCount = 30;
    QCOMPARE(loadSettings(path), expected);
}

void SettingsTest::saveFailureNamesPath()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tamrin.ini"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tamrin.ini/inside")));
    try {
        saveSettings(path, TabSettings{});
        QFAIL("saving over a directory succeeded");
    } catch (const AppError& error) {
        const QString start = QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path);
        QVERIFY2(error.message().startsWith(start), qPrintable(error.message()));
        QVERIFY2(error.message().size() > start.size() + 2, "the system's reason is missing");
    }
    QVERIFY(QDir(path + QStringLiteral("/inside")).exists());
}

void SettingsTest::unreadableFileIsNotOverwritten()
{
    if (geteuid() == 0)
        QSKIP("root reads every file");
    const QTemporaryDir dir;
    const QByteArray original = "[Tamrin SETTINGS]\r\n#_tabs=1\r\n; keep me\r\n";
    const QString path = writeFile(dir, original);
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QVERIFY_THROWS_EXCEPTION(AppError, saveSettings(path, TabSettings{}));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readBytes(path), original);
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
