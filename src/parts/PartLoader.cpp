#include "parts/PartLoader.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPluginLoader>

namespace {

struct Part
{
    QObject* instance = nullptr;
    QString error;
};

// Parts are loaded on the GUI thread; the camera thread asks for the sensor part once loaded.
QMutex s_mutex;
QHash<QString, Part> s_parts;

bool is_within(const QString& folder, const QString& root)
{
    const QString inner = QDir::cleanPath(folder) + QLatin1Char('/');
    const QString outer = QDir::cleanPath(root) + QLatin1Char('/');
    return inner.startsWith(outer);
}

QString file_name(const QString& name)
{
    return QStringLiteral("libkavo_%1.so").arg(name);
}

Part load_from(const QStringList& folders, const QString& name)
{
    Part part;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file_name(name));
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        part.instance = loader.instance();
        if (part.instance)
            return part;
        part.error = loader.errorString();
        return part;
    }
    part.error = QStringLiteral("%1 is in none of %2")
                     .arg(file_name(name), folders.join(QStringLiteral(", ")));
    return part;
}

} // namespace

namespace PartLoader {

QStringList folders()
{
    const QString chosen = qEnvironmentVariable(kFolderVariable);
    if (!chosen.isEmpty())
        return {chosen};
    QStringList found;
    const QString program_folder = QCoreApplication::applicationDirPath();
    if (is_within(program_folder, QStringLiteral(KAVO_BUILD_DIR)))
        found << QStringLiteral(KAVO_BUILD_PARTS_DIR);
    found << QDir::cleanPath(program_folder + QLatin1Char('/') +
                             QStringLiteral(KAVO_PARTS_FROM_BINDIR))
          << QStringLiteral(KAVO_INSTALL_PARTS_DIR);
    found.removeDuplicates();
    return found;
}

QObject* load(const QString& name)
{
    QMutexLocker lock(&s_mutex);
    const auto known = s_parts.constFind(name);
    if (known != s_parts.constEnd())
        return known->instance;
    const Part part = load_from(folders(), name);
    s_parts.insert(name, part);
    if (part.instance)
        log_line(QStringLiteral("Kavo part \"%1\" loaded").arg(name));
    else
        log_line(QStringLiteral("Kavo part \"%1\" cannot be loaded: %2").arg(name, part.error));
    return part.instance;
}

QString error(const QString& name)
{
    QMutexLocker lock(&s_mutex);
    return s_parts.value(name).error;
}

} // namespace PartLoader
