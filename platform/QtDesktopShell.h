#pragma once

#include "DesktopShell.h"

namespace sorvanta {

// Launches through the desktop: detached processes and the default browser.
class QtDesktopShell : public DesktopShell {
public:
    void startProgram(const QString& programPath) override;
    void openWebAddress(const QString& address) override;
    void startWebBrowser() override;
};

}  // namespace sorvanta
