#pragma once

#include "RecordingDialogs.h"
#include "RecordingShell.h"
#include "RecordingWebView.h"
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

// A main window whose executable lives in a fresh directory, with recording
// stand-ins for the browser, the message boxes and the desktop, started on
// 15 March 2007 so its monthly files are keywords_March_2007.txt and
// most_searched_March_2007.txt.
struct MainWindowFixture {
    QTemporaryDir directory;
    RecordingDialogs dialogs;
    RecordingShell shell;
    RecordingWebView* browser = nullptr;  // owned by the window
    std::unique_ptr<sorvanta::TForm1> window;

    QString path(const QString& fileName) const { return directory.filePath(fileName); }
    QString executablePath() const { return path(QStringLiteral("Tamrin")); }
    QString settingsPath() const { return path(QStringLiteral("Tamrin.ini")); }
    QString keywordLogPath() const { return path(QStringLiteral("keywords_March_2007.txt")); }
    QString statisticsPath() const { return path(QStringLiteral("most_searched_March_2007.txt")); }

    // Settings with one tab per (caption, address), docked at the top unless `bottom`.
    void writeSettings(const QList<std::pair<QString, QString>>& tabs, bool bottom = false) const
    {
        QString text = QStringLiteral("[Tamrin SETTINGS]\r\n#_tabs=%1\r\ntabs_bottom=%2\r\n")
                           .arg(tabs.size())
                           .arg(bottom ? 1 : 0);
        for (int n = 1; n <= tabs.size(); ++n)
            text += QStringLiteral("tab_name_%1=%2\r\ntab_address_%1=%3\r\n")
                        .arg(n)
                        .arg(tabs[n - 1].first, tabs[n - 1].second);
        writeFile(settingsPath(), text.toUtf8());
    }

    // The usual three engines, each answering on 127.0.0.1 under its own path.
    void writeThreeEngines() const
    {
        writeSettings({{QStringLiteral("Alpha"), QStringLiteral("http://127.0.0.1/a?q=TEST")},
                       {QStringLiteral("Beta"), QStringLiteral("http://127.0.0.1/b?q=TEST")},
                       {QStringLiteral("Gamma"), QStringLiteral("http://127.0.0.1/c?q=TEST")}});
    }

    void writeKeywordLog(const QStringList& keywords) const
    {
        writeFile(keywordLogPath(), (keywords.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    void writeStatistics(const QStringList& lines) const
    {
        writeFile(statisticsPath(), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    static void writeFile(const QString& filePath, const QByteArray& bytes)
    {
        QFile file(filePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot prepare %s", qPrintable(filePath));
    }

    static QByteArray readFile(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    sorvanta::TForm1& start()
    {
        browser = new RecordingWebView;
        sorvanta::MainWindowServices services;
        services.webView = browser;
        services.dialogs = &dialogs;
        services.shell = &shell;
        services.executablePath = executablePath();
        services.today = [] { return QDate(2007, 3, 15); };
        window = std::make_unique<sorvanta::TForm1>(services);
        return *window;
    }

    // Starts the window and waits until it is on the screen.
    sorvanta::TForm1& startShown()
    {
        sorvanta::TForm1& form = start();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not shown");
        return form;
    }

    // Starts the window and waits until it has the keyboard.
    sorvanta::TForm1& startActive()
    {
        sorvanta::TForm1& form = start();
        form.show();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the main window did not become active");
        return form;
    }

    template <typename T>
    T* find(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            qFatal("no %s in the main window", name);
        return found;
    }

    QAction* toolButton(int number) const
    {
        return find<QAction>(QStringLiteral("ToolButton%1").arg(number).toLatin1().constData());
    }

    QTabBar* tabBar() const { return find<QTabBar>("TabBar"); }

    // A left press and release on the tab at `index`.
    void pressTab(int index) const
    {
        const QPoint onTab = tabBar()->tabRect(index).center();
        QTest::mousePress(tabBar(), Qt::LeftButton, {}, onTab);
        QTest::mouseRelease(tabBar(), Qt::LeftButton, {}, onTab);
    }
};
