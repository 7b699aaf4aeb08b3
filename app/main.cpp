#include "MainWindowServices.h"
#include "QtDesktopShell.h"
#include "QtUserDialogs.h"
#include "UiResources.h"
#include "Unit1.h"
#include "WebEngineRuntime.h"
#include "WebEngineWebView.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    sorvanta::prepareWebEngineRuntime();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    sorvanta::registerUiResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    // Declared before the window, so they outlive it.
    sorvanta::QtUserDialogs dialogs;
    sorvanta::QtDesktopShell shell;

    sorvanta::MainWindowServices services;
    services.webView = new sorvanta::WebEngineWebView;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.executablePath = QCoreApplication::applicationFilePath();

    sorvanta::TForm1 window(services);
    window.show();
    return app.exec();
}
