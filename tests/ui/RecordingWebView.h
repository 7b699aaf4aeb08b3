#pragma once

#include "AppError.h"
#include "WebView.h"

#include <QStringList>

// Stands in for the browser: records what the window asks of it and can fail
// the next request as a broken browser would.
class RecordingWebView : public sorvanta::WebView {
public:
    QStringList requests;  // "navigate <address>", "back", "forward", "refresh", "stop"
    bool failNext = false;

    RecordingWebView() { setFocusPolicy(Qt::StrongFocus); }

    QStringList navigations() const
    {
        QStringList addresses;
        for (const QString& request : requests)
            if (request.startsWith(QLatin1String("navigate ")))
                addresses << request.mid(9);
        return addresses;
    }

    void Navigate(const QString& address) override { record(QStringLiteral("navigate ") + address); }
    void GoBack() override { record(QStringLiteral("back")); }
    void GoForward() override { record(QStringLiteral("forward")); }
    void Refresh() override { record(QStringLiteral("refresh")); }
    void Stop() override { record(QStringLiteral("stop")); }

private:
    void record(const QString& request)
    {
        if (failNext) {
            failNext = false;
            throw sorvanta::AppError(QStringLiteral("The browser refused: ") + request);
        }
        requests << request;
    }
};
