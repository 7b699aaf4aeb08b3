#include "AppError.h"
#include "AppSequence.h"
#include "SearchState.h"

#include <QTest>

using namespace sorvanta;

namespace {

// Records each call of the sequences, with the counters where they matter, and
// throws AppError from the call named in failOn.
class RecordingWindow : public WindowSide {
public:
    explicit RecordingWindow(const SearchState& state)
        : state_(state)
    {
    }

    QStringList calls;
    QString failOn;

    void SetCaption(const QString& text) override { record("SetCaption", text); }
    void SetAppTitle(const QString& text) override { record("SetAppTitle", text); }
    void setTrayHint(const QString& text) override { record("setTrayHint", text); }
    void Label_SearchedClick() override
    {
        record("Label_SearchedClick",
               QStringLiteral("view %1 from %2").arg(state_.ViewMode).arg(state_.MostSearchedFile));
    }
    void LoadSettings() override { record("LoadSettings", {}); }
    void SaveSettings() override { record("SaveSettings", {}); }
    void reportError(const QString& message) override { record("reportError", message); }
    void navigate(const QString& address) override { record("navigate", address); }
    void RecordKeyword(const QString& keyword) override { record("RecordKeyword", keyword); }
    void UpdateNavButtons() override
    {
        record("UpdateNavButtons", QStringLiteral("%1 %2").arg(state_.BackCount).arg(state_.ForwardCount));
    }

private:
    void record(const char* name, const QString& argument)
    {
        const QString call = QString::fromLatin1(name);
        calls << (argument.isEmpty() ? call : call + u' ' + argument);
        if (call == failOn)
            throw AppError(call + QStringLiteral(" failed"));
    }

    const SearchState& state_;
};

const QString kExecutable = QStringLiteral("/opt/app/Tamrin");

DateSource march2007()
{
    return [] { return QDate(2007, 3, 15); };
}

}  // namespace

class AppSequenceTest : public QObject {
    Q_OBJECT

private slots:
    void startup_data();
    void startup();
    void startupAtTurnOfMonthUsesOneMonth();
    void search_data();
    void search();
    void emptyKeywordsDoNothing();
    void shutdownFailureAbandonsClose();
};

void AppSequenceTest::startup_data()
{
    QTest::addColumn<QString>("failOn");
    QTest::addColumn<QStringList>("reported");  // calls after the view cycle

    QTest::newRow("statistics list filled") << QString() << QStringList{"LoadSettings"};
    // Without the tabs loaded, the next close would save "#_tabs" 0 over the user's tabs.
    QTest::newRow("statistics list fails, settings still load")
        << "Label_SearchedClick" << QStringList{"reportError Label_SearchedClick failed", "LoadSettings"};
}

void AppSequenceTest::startup()
{
    QFETCH(QString, failOn);
    QFETCH(QStringList, reported);

    SearchState state;
    state.BackCount = 4;
    state.ForwardCount = 2;
    state.CurrentTab = 7;
    RecordingWindow window(state);
    window.failOn = failOn;
    runStartup(state, window, kExecutable, march2007());

    const QString statistics = mostSearchedFilePath(QStringLiteral("/opt/app"), QStringLiteral("March_2007"));
    const QStringList expected = QStringList{"SetCaption Sorvanta v.3", "SetAppTitle Sorvanta v.3",
                                             "setTrayHint Sorvanta v.3",
                                             "Label_SearchedClick view 3 from " + statistics}
        + reported;
    QCOMPARE(window.calls, expected);
    QCOMPARE(state.BackCount, 0);
    QCOMPARE(state.ForwardCount, 0);
    QCOMPARE(state.CurrentTab, 7);
    QCOMPARE(state.AppDir, QStringLiteral("/opt/app"));
    QCOMPARE(state.KeywordsFile, keywordsFilePath(QStringLiteral("/opt/app"), QStringLiteral("March_2007")));
}

void AppSequenceTest::startupAtTurnOfMonthUsesOneMonth()
{
    // The clock passes midnight between the two paths.
    int reads = 0;
    const DateSource turningClock = [&reads] {
        return reads++ == 0 ? QDate(2007, 12, 31) : QDate(2008, 1, 1);
    };
    SearchState state;
    RecordingWindow window(state);
    runStartup(state, window, kExecutable, turningClock);

    QCOMPARE(state.KeywordsFile, keywordsFilePath(QStringLiteral("/opt/app"), QStringLiteral("December_2007")));
    QCOMPARE(state.MostSearchedFile,
             mostSearchedFilePath(QStringLiteral("/opt/app"), QStringLiteral("December_2007")));
}

void AppSequenceTest::search_data()
{
    QTest::addColumn<QString>("failOn");
    QTest::addColumn<int>("callCount");
    QTest::addColumn<int>("backCount");

    QTest::newRow("every step") << QString() << 6 << 3;
    QTest::newRow("browser fails") << "navigate" << 1 << 2;
    QTest::newRow("recording fails") << "RecordKeyword" << 5 << 2;
}

void AppSequenceTest::search()
{
    QFETCH(QString, failOn);
    QFETCH(int, callCount);
    QFETCH(int, backCount);

    SearchState state;
    state.BackCount = 2;
    state.ForwardCount = 3;
    RecordingWindow window(state);
    window.failOn = failOn;
    const QString keywords = QStringLiteral(" C++ and AT&T");
    const QString title = QStringLiteral("Sorvanta v.3 -  C++ and AT&T");
    const QStringList steps{"navigate https://e.example/?q=+C%2B%2B+and+AT%26T&n=TEST",
                            "SetCaption " + title,
                            "SetAppTitle " + title,
                            "setTrayHint " + title,
                            "RecordKeyword " + keywords,
                            "UpdateNavButtons 3 1"};

    const QString addressTemplate = QStringLiteral("https://e.example/?q=TEST&n=TEST");
    const auto search = [&] { runSearch(state, window, keywords, addressTemplate); };
    if (failOn.isEmpty())
        search();
    else
        QVERIFY_THROWS_EXCEPTION(AppError, search());
    QCOMPARE(window.calls, steps.first(callCount));
    QCOMPARE(state.BackCount, backCount);
}

void AppSequenceTest::emptyKeywordsDoNothing()
{
    SearchState state;
    RecordingWindow window(state);
    runSearch(state, window, QString(), QStringLiteral("q=TEST"));
    QVERIFY(window.calls.isEmpty());
    QCOMPARE(state.BackCount, 0);
    QVERIFY(state.LastTitle.isEmpty());
}

void AppSequenceTest::shutdownFailureAbandonsClose()
{
    SearchState state;
    RecordingWindow window(state);
    window.failOn = QStringLiteral("SaveSettings");
    QVERIFY_THROWS_EXCEPTION(AppError, runShutdown(window));
    QCOMPARE(window.calls, QStringList{"SaveSettings"});
}

QTEST_GUILESS_MAIN(AppSequenceTest)
#include "AppSequenceTest.moc"
