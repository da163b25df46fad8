#include "system/ProcessNames.h"

#include <QStringList>

namespace ProcessNames {
namespace {
const QString kExe = QStringLiteral(".exe");

const char* const kIgnored[] = {"Kavo.exe", "explorer.exe", "ShellExperienceHost.exe",
                                "SearchUI.exe"};
const char* const kCompetitors[] = {"flux.exe", "SunsetScreen.exe", "kavo-mini-dynamic.exe"};
const QString kCompetitorFamily = QStringLiteral("kavo-mini");

bool ends_word(const QString& text, int at)
{
    return at >= text.size() || text.at(at).isSpace() ||
           text.midRef(at).startsWith(kExe, Qt::CaseInsensitive);
}
} // namespace

QString base(const QString& name)
{
    return name.endsWith(kExe, Qt::CaseInsensitive) ? name.left(name.size() - kExe.size()) : name;
}

bool same(const QString& entry, const QString& name)
{
    const QString wanted = base(entry.trimmed());
    return !wanted.isEmpty() && wanted == base(name);
}

bool mentioned_in(const QString& entry, const QString& name)
{
    const QString program = base(name);
    if (program.isEmpty())
        return false;
    for (int at = entry.indexOf(program, 0, Qt::CaseInsensitive); at >= 0;
         at = entry.indexOf(program, at + 1, Qt::CaseInsensitive)) {
        if (ends_word(entry, at + program.size()))
            return true;
    }
    return false;
}

bool asks_full_screen(const QString& entry)
{
    return entry.contains(QLatin1String("fullscreen"), Qt::CaseInsensitive);
}

bool is_ignored(const QString& name)
{
    if (name.trimmed().isEmpty())
        return true;
    for (const char* ignored : kIgnored) {
        if (base(QLatin1String(ignored)).compare(base(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool is_competitor(const QString& name)
{
    for (const char* competitor : kCompetitors) {
        if (same(QLatin1String(competitor), name))
            return true;
    }
    return name.contains(kCompetitorFamily);
}

} // namespace ProcessNames
