#include "WebEngineRuntime.h"

#include <QTest>

#include <unistd.h>

class WebEngineRuntimeTest : public QObject {
    Q_OBJECT
private slots:
    void sandboxIsTurnedOffOnlyForRoot();
    void aSandboxChoiceOfTheUserIsKept();
};

void WebEngineRuntimeTest::sandboxIsTurnedOffOnlyForRoot()
{
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    sorvanta::prepareWebEngineRuntime();
    if (geteuid() == 0)
        QCOMPARE(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("1"));
    else
        QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
}

void WebEngineRuntimeTest::aSandboxChoiceOfTheUserIsKept()
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "0");
    sorvanta::prepareWebEngineRuntime();
    QCOMPARE(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("0"));
}

QTEST_GUILESS_MAIN(WebEngineRuntimeTest)
#include "WebEngineRuntimeTest.moc"
