#include "QtDesktopShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using sorvanta::QtDesktopShell;

class QtDesktopShellTest : public QObject {
    Q_OBJECT
private slots:
    void startProgramRunsTheFileDetached();
    void startProgramIsSilentWhenNothingStarts_data();
    void startProgramIsSilentWhenNothingStarts();
};

void QtDesktopShellTest::startProgramRunsTheFileDetached()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("second copy"));
    const QString marker = dir.filePath(QStringLiteral("started"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));

    QtDesktopShell().startProgram(program);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
}

void QtDesktopShellTest::startProgramIsSilentWhenNothingStarts_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << QStringLiteral("Tamrin.exe") << QByteArray();
    QTest::newRow("not executable") << QStringLiteral("notes.txt") << QByteArray("just text\n");
}

void QtDesktopShellTest::startProgramIsSilentWhenNothingStarts()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(fileName);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Neither an exception nor a message: the launcher just does nothing.
    QtDesktopShell().startProgram(path);
}

QTEST_GUILESS_MAIN(QtDesktopShellTest)
#include "QtDesktopShellTest.moc"
