#include "Edition.h"

#ifndef KAVO_WEBSITE_URL
#define KAVO_WEBSITE_URL ""
#endif
#ifndef KAVO_CHANGELOG_URL
#define KAVO_CHANGELOG_URL ""
#endif

namespace {
QString configured(const char* variable, const char* built_in)
{
    return qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable)
                                               : QString::fromUtf8(built_in);
}
} // namespace

namespace Edition {

QString application_name()
{
    return QStringLiteral("Kavo");
}

QString version()
{
    return QStringLiteral(KAVO_VERSION);
}

QString publisher_name()
{
    return QStringLiteral("Velmora");
}

QString website()
{
    return configured("KAVO_WEBSITE_URL", KAVO_WEBSITE_URL);
}

QString version_url()
{
    return configured("KAVO_CHANGELOG_URL", KAVO_CHANGELOG_URL);
}

} // namespace Edition
