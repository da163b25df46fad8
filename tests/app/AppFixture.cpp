#include "AppFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSaveFile>
#include <QSettings>

const QByteArray AppFixture::kTwoMonitors =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                     {"x": 1920, "y": 0, "width": 1920, "height": 1080}]})";

namespace {
AppFixture* live_fixture = nullptr;
} // namespace

AppFixture::AppFixture(const QByteArray& desktop, PlatformWrapper wrap)
{
    if (live_fixture)
        live_fixture->release();
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    qputenv("KAVO_SETTINGS_DIR", m_dir.filePath(QStringLiteral("settings")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("runtime")).toUtf8());
    QDir().mkpath(m_dir.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(m_dir.filePath(QStringLiteral("desktop.json")));
    if (config.open(QIODevice::WriteOnly))
        config.write(desktop);
    config.close();
    auto sim = std::make_unique<SimDesktop>(m_dir.filePath(QStringLiteral("desktop.json")),
                                            m_dir.filePath(QStringLiteral("state.json")));
    m_sim = sim.get();
    Platform::install(wrap ? wrap(std::move(sim)) : std::move(sim));
    live_fixture = this;
}

void AppFixture::reconfigure(const QByteArray& desktop)
{
    QSaveFile config(m_dir.filePath(QStringLiteral("desktop.json")));
    if (config.open(QIODevice::WriteOnly)) {
        config.write(desktop);
        config.commit();
    }
    m_sim->reloadConfig();
}

void AppFixture::set_desktop(const QByteArray& desktop)
{
    QFile config(m_dir.filePath(QStringLiteral("desktop.json")));
    if (config.open(QIODevice::WriteOnly | QIODevice::Truncate))
        config.write(desktop);
    config.close();
    m_sim->reloadConfig();
}

AppFixture::~AppFixture()
{
    if (live_fixture == this)
        release();
}

void AppFixture::release()
{
    stop();
    Platform::uninstall();
    live_fixture = nullptr;
}

QString AppFixture::settings_file() const
{
    return m_dir.filePath(QStringLiteral("settings/") + SaveManager::kFileName);
}

void AppFixture::start(const QVariantMap& settings)
{
    if (!settings.isEmpty()) {
        QSettings store(settings_file(), QSettings::IniFormat);
        store.setValue(QStringLiteral("SaveVersion"), QStringLiteral("6"));
        for (auto it = settings.begin(); it != settings.end(); ++it)
            store.setValue(it.key(), it.value());
    }
    m_save_manager = std::make_unique<SaveManager>();
    m_app = std::make_unique<App>();
}

void AppFixture::stop()
{
    m_app.reset();
    m_save_manager.reset();
}

QVariant AppFixture::stored(const QString& key) const
{
    QSettings store(settings_file(), QSettings::IniFormat);
    return store.value(key);
}

QVector<int> AppFixture::ramp(int monitor, const char* channel) const
{
    const QJsonArray monitors = m_sim->state().value(QStringLiteral("monitors")).toArray();
    const QJsonArray entries = monitors.at(monitor - 1)
                                   .toObject()
                                   .value(QStringLiteral("ramp"))
                                   .toObject()
                                   .value(QLatin1String(channel))
                                   .toArray();
    QVector<int> values;
    for (const QJsonValue& entry : entries)
        values.append(entry.toInt());
    return values;
}
