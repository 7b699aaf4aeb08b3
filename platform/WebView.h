#pragma once

#include <QString>
#include <QWidget>

namespace sorvanta {

// The embedded browser as the main window drives it. The program never asks it
// anything: it only hands it addresses and the four navigation commands.
class WebView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void Navigate(const QString& address) = 0;  // returns at once
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
};

}  // namespace sorvanta
