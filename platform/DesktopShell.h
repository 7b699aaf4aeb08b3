#pragma once

#include <QString>

namespace sorvanta {

// Programs and pages started through the desktop. Every start is
// fire-and-forget: a failure is silent, as the user expects of a launcher.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Starts a program file, detached from this process.
    virtual void startProgram(const QString& programPath) = 0;
    // Opens an http address in the desktop's default web browser.
    virtual void openWebAddress(const QString& address) = 0;
    // Starts the system web browser program with no page ("iexplore.exe"
    // where it exists, else the desktop's default browser).
    virtual void startWebBrowser() = 0;
};

}  // namespace sorvanta
