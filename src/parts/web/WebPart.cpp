#include "parts/web/WebPart.h"

#include "parts/web/KavoWebView.h"

#include <QWebSettings>

WebPart::WebPart()
{
    QWebSettings* web = QWebSettings::globalSettings();
    for (QWebSettings::WebAttribute attribute :
         {QWebSettings::LocalStorageEnabled, QWebSettings::AutoLoadImages,
          QWebSettings::LocalContentCanAccessRemoteUrls, QWebSettings::JavascriptEnabled,
          QWebSettings::JavascriptCanAccessClipboard, QWebSettings::JavascriptCanOpenWindows})
        web->setAttribute(attribute, true);
}

IWebView* WebPart::create_view(QWidget* parent)
{
    return new KavoWebView(parent);
}
