#include "parts/MissingWebView.h"

#include "KavoLog.h"
#include "ShownText.h"

#include <QUrl>
#include <QVariant>

MissingWebView::MissingWebView(const QString& reason, QWidget* parent) : QLabel(parent)
{
    setText(text_for(reason));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(20);
    setAutoFillBackground(true);
}

QString MissingWebView::text_for(const QString& reason)
{
    return ShownText::tr("This window cannot be shown: Kavo's web part is missing.") +
           QStringLiteral("\n\n") + reason;
}

void MissingWebView::load(const QUrl& url)
{
    log_line(QStringLiteral("Page %1 cannot be shown: no web part").arg(url.toString()));
}

QVariant MissingWebView::run(const QString&)
{
    return {};
}
