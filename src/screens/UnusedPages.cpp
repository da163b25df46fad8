#include "screens/UnusedPages.h"

#include <QFile>
#include <QTextStream>

namespace {
QVariantList to_variants(const QStringList& names)
{
    QVariantList list;
    for (const QString& name : names)
        list.append(name);
    return list;
}

QVariantList read_lines(const QString& file_path)
{
    QFile file(file_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList names;
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (!line.isEmpty())
            names.append(line);
    }
    return to_variants(names);
}
} // namespace

namespace UnusedPages {

QVariantList default_list(const QString& application_name, const QString& file_path)
{
    if (QFile::exists(file_path))
        return read_lines(file_path);
    if (application_name == QLatin1String("Kavo")) {
        // "Mouse pausers" twice, as the edition has always shipped it.
        return to_variants({"Color Temperature", "PWM control", "CPU", "GPU", "Hardware", "Sounds",
                            "Kindle", "Timer pausers", "Mouse pausers", "Mouse pausers",
                            "Color Scheme", "Magnification", "Screen overlay", "AI", "Moon",
                            "Debug"});
    }
    if (application_name == QLatin1String("Glimra")) {
        return to_variants({"Color Temperature", "PWM control", "Hardware", "Sounds", "Kindle",
                            "Hidden features", "Transition", "Moon", "Lightness", "Sleep",
                            "Rest screen", "Mouse pausers"});
    }
    return {};
}

QVariantList with_page(QVariantList pages, const QString& page)
{
    for (const QVariant& entry : pages) {
        if (entry.toString() == page)
            return pages;
    }
    pages.append(page);
    return pages;
}

QVariantList without_page(QVariantList pages, const QString& page)
{
    for (int i = pages.size() - 1; i >= 0; --i) {
        if (pages.at(i).toString().compare(page, Qt::CaseInsensitive) == 0)
            pages.removeAt(i);
    }
    return pages;
}

} // namespace UnusedPages
