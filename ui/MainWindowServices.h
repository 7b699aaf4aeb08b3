#pragma once

#include "MonthlyFiles.h"

#include <QString>

namespace sorvanta {

class DesktopShell;
class UserDialogs;
class WebView;

// What the main window needs from outside: the real desktop in the program,
// recording stand-ins in tests.
struct MainWindowServices {
    WebView* webView = nullptr;        // the window takes ownership
    UserDialogs* dialogs = nullptr;    // outlives the window
    DesktopShell* shell = nullptr;     // outlives the window
    QString executablePath;            // files go beside it
    DateSource today = systemDate();   // month of the log and statistics files
};

}  // namespace sorvanta
