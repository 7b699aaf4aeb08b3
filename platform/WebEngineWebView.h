#pragma once

#include "WebView.h"

class QWebEngineProfile;
class QWebEngineView;

namespace sorvanta {

// The embedded browser on Qt WebEngine. Its profile keeps cookies and site data
// on disk, so logins and consent choices survive a restart.
class WebEngineWebView : public WebView {
    Q_OBJECT
public:
    explicit WebEngineWebView(QWidget* parent = nullptr);
    ~WebEngineWebView() override;

    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void Refresh() override;
    void Stop() override;

private:
    QWebEngineProfile* profile_;
    QWebEngineView* view_;
};

}  // namespace sorvanta
