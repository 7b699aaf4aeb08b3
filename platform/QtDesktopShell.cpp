#include "QtDesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace sorvanta {

void QtDesktopShell::startProgram(const QString& programPath)
{
    QProcess::startDetached(programPath, {});
}

void QtDesktopShell::openWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtDesktopShell::startWebBrowser()
{
#ifdef Q_OS_WIN
    // The shell finds the browser through its registered application paths.
    ShellExecuteW(nullptr, L"open", L"iexplore.exe", nullptr, nullptr, SW_SHOWNORMAL);
#else
    // Debian's name for the desktop's chosen browser; elsewhere let the desktop pick one.
    if (!QProcess::startDetached(QStringLiteral("x-www-browser"), {}))
        QDesktopServices::openUrl(QUrl(QStringLiteral("about:blank")));
#endif
}

}  // namespace sorvanta
