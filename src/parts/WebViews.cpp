#include "parts/WebViews.h"

#include "parts/IWebView.h"
#include "parts/MissingWebView.h"
#include "parts/PartLoader.h"

namespace {
const QString kWebPart = QStringLiteral("web");
}

namespace WebViews {

IWebView* create(QWidget* parent)
{
    if (auto* part = PartLoader::load<IWebPart>(kWebPart))
        return part->create_view(parent);
    return new MissingWebView(PartLoader::error(kWebPart), parent);
}

bool available()
{
    return PartLoader::load<IWebPart>(kWebPart) != nullptr;
}

} // namespace WebViews
