#include "WebEngineWebView.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace sorvanta {

WebEngineWebView::WebEngineWebView(QWidget* parent)
    : WebView(parent),
      profile_(new QWebEngineProfile(QStringLiteral("Sorvanta"), this)),
      view_(new QWebEngineView(this))
{
    // Session cookies too, as consent banners often store their answer in one.
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    view_->setPage(new QWebEnginePage(profile_, view_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

WebEngineWebView::~WebEngineWebView()
{
    // The page must go before the profile it renders with.
    delete view_;
}

void WebEngineWebView::Navigate(const QString& address)
{
    view_->setUrl(QUrl::fromUserInput(address));
}

void WebEngineWebView::GoBack()
{
    view_->back();
}

void WebEngineWebView::GoForward()
{
    view_->forward();
}

void WebEngineWebView::Refresh()
{
    view_->reload();
}

void WebEngineWebView::Stop()
{
    view_->stop();
}

}  // namespace sorvanta
