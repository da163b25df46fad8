#include "DebugInfo.h"

#include "Edition.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QThread>

const char* const DebugInfo::kSeparator = "----------";
const char* const DebugInfo::kMask = "********";

namespace {
const char kClickToCopy[] = QT_TRANSLATE_NOOP("DebugInfo", "CLICK TO COPY THE TEXT TO CLIPBOARD");
// Board files that repeat the others in one line, or are no value at all.
const QStringList kBoardFilesLeftOut{QStringLiteral("modalias"), QStringLiteral("uevent")};
constexpr qint64 kMaxBoardValue = 256;

QString one_line(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

QString or_unknown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("unknown") : text;
}

QString or_none(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("none") : text;
}

// The value of the first "name : value" line of /proc/cpuinfo named `name`.
QString cpuinfo_value(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0 && line.left(colon).trimmed() == name)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}
} // namespace

QString DebugInfo::text(const SettingsMap& current, const QSettings& saved,
                        const DesktopDescription& desktop, const DebugInfoSources& sources)
{
    QVariantMap saved_values;
    for (const QString& key : saved.allKeys())
        saved_values.insert(key, saved.value(key));

    QStringList lines{tr(kClickToCopy)};
    const QStringList sections[] = {
        application_lines(),
        os_lines(),
        system_lines(),
        cpu_lines(sources.cpuinfo),
        board_lines(sources.dmi_folder),
        desktop_lines(desktop),
        QStringList{QStringLiteral("Current settings")} + settings_lines(current),
        QStringList{QStringLiteral("Saved settings")} + settings_lines(saved_values),
    };
    for (const QStringList& section : sections)
        lines << QLatin1String(kSeparator) << section;
    lines << tr(kClickToCopy);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList DebugInfo::application_lines()
{
    return {QStringLiteral("App model: ") + Edition::application_name(),
            QStringLiteral("App version: ") + Edition::version(),
            QStringLiteral("Qt version: ") + QLatin1String(qVersion())};
}

QStringList DebugInfo::os_lines()
{
    return {QStringLiteral("OS: ") + QSysInfo::productType(),
            QStringLiteral("Model: ") + QSysInfo::prettyProductName(),
            QStringLiteral("Architecture: ") + QSysInfo::currentCpuArchitecture()};
}

QStringList DebugInfo::system_lines()
{
    return {QStringLiteral("System info"),
            QStringLiteral("Build abi: ") + QSysInfo::buildAbi(),
            QStringLiteral("Build CPU Architecture: ") + QSysInfo::buildCpuArchitecture(),
            QStringLiteral("Current CPU Architecture: ") + QSysInfo::currentCpuArchitecture(),
            QStringLiteral("Kernel Type: ") + QSysInfo::kernelType(),
            QStringLiteral("Kernel Version: ") + QSysInfo::kernelVersion(),
            QStringLiteral("Pretty Product Name: ") + QSysInfo::prettyProductName(),
            QStringLiteral("Product Type: ") + QSysInfo::productType(),
            QStringLiteral("Product Version: ") + QSysInfo::productVersion()};
}

QStringList DebugInfo::cpu_lines(const QString& cpuinfo_path)
{
    QFile file(cpuinfo_path);
    QStringList cpuinfo;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        cpuinfo = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    int processors = 0;
    for (const QString& line : cpuinfo) {
        if (line.section(QLatin1Char(':'), 0, 0).trimmed() == QLatin1String("processor"))
            ++processors;
    }
    if (processors == 0)
        processors = QThread::idealThreadCount();
    QString type = cpuinfo_value(cpuinfo, QStringLiteral("model name"));
    if (type.isEmpty())
        type = cpuinfo_value(cpuinfo, QStringLiteral("Hardware"));
    return {QStringLiteral("CPU info"), QStringLiteral("CPU type: ") + or_unknown(type),
            QStringLiteral("CPU cores: ") + QString::number(processors),
            QStringLiteral("CPU speed: ") +
                or_unknown(cpuinfo_value(cpuinfo, QStringLiteral("cpu MHz")))};
}

QStringList DebugInfo::board_lines(const QString& dmi_folder)
{
    QStringList lines{QStringLiteral("Motherboard info")};
    const QDir folder(dmi_folder);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        if (kBoardFilesLeftOut.contains(name))
            continue;
        QFile file(folder.filePath(name));
        // Some files are listed as readable and still refuse (the serial numbers, to users).
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString value = QString::fromUtf8(file.read(kMaxBoardValue)).trimmed();
        lines << name + QStringLiteral(": ") + value_text(name, value);
    }
    return lines;
}

QStringList DebugInfo::desktop_lines(const DesktopDescription& desktop)
{
    QStringList lines{QStringLiteral("Desktop info"),
                      QStringLiteral("Desktop: ") + or_unknown(desktop.kind)};
    if (!desktop.backend.isEmpty())
        lines << QStringLiteral("Backend: ") + desktop.backend;
    if (!desktop.server.isEmpty())
        lines << QStringLiteral("Display server: ") + desktop.server;
    lines << QStringLiteral("Window manager: ") + or_none(one_line(desktop.window_manager))
          << QStringLiteral("Compositor: ") + or_none(one_line(desktop.compositor));
    if (desktop.monitors.isEmpty())
        lines << QStringLiteral("Monitors: none");
    for (int i = 0; i < desktop.monitors.size(); ++i) {
        const MonitorGammaInfo& monitor = desktop.monitors.at(i);
        QString line = QStringLiteral("Monitor %1: ").arg(i + 1);
        if (!monitor.name.isEmpty())
            line += one_line(monitor.name) + QStringLiteral(", ");
        line += QStringLiteral("gamma size %1").arg(monitor.gamma_size);
        if (!monitor.route.isEmpty())
            line += QStringLiteral(", colours: ") + one_line(monitor.route);
        lines << line;
    }
    return lines;
}

QStringList DebugInfo::settings_lines(const QVariantMap& settings)
{
    QStringList lines;
    for (auto it = settings.begin(); it != settings.end(); ++it)
        lines << one_line(it.key()) + QStringLiteral(": ") + value_text(it.key(), it.value());
    return lines;
}

bool DebugInfo::is_secret(const QString& key)
{
    static const QRegularExpression secret(
        QStringLiteral("password|passwd|passphrase|secret|token|api_?key|credential|serial|"
                       "uuid"),
        QRegularExpression::CaseInsensitiveOption);
    return secret.match(key).hasMatch();
}

QString DebugInfo::value_text(const QString& key, const QVariant& value)
{
    if (is_secret(key))
        return QLatin1String(kMask);
    switch (static_cast<QMetaType::Type>(value.type())) {
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return one_line(value.toStringList().join(QStringLiteral(", ")));
    case QMetaType::QPoint:
        return QStringLiteral("%1, %2").arg(value.toPoint().x()).arg(value.toPoint().y());
    default:
        return one_line(value.toString());
    }
}
