#pragma once

#include "parts/IWebView.h"

#include <QObject>

// The web part: Kavo's pages in QtWebKit views. Loading it sets what every view allows (local
// storage, scripts, images, local pages reaching the network).
class WebPart : public QObject, public IWebPart
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IWebPart_iid)
    Q_INTERFACES(IWebPart)

public:
    WebPart();

    IWebView* create_view(QWidget* parent) override;
};
