#pragma once

#include "DesktopShell.h"

#include <QStringList>

// Keeps what the window asked the desktop to start instead of starting it.
class RecordingShell : public sorvanta::DesktopShell {
public:
    QStringList programs;
    QStringList webAddresses;
    int browserStarts = 0;

    void startProgram(const QString& programPath) override { programs << programPath; }
    void openWebAddress(const QString& address) override { webAddresses << address; }
    void startWebBrowser() override { ++browserStarts; }
};
