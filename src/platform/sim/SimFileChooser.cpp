#include "platform/sim/SimFileChooser.h"

QString SimFileChooser::saveFileName(const QString& caption, const QString& proposed,
                                     const QString& filter)
{
    return answer("save", caption, proposed, filter);
}

QString SimFileChooser::openFileName(const QString& caption, const QString& folder,
                                     const QString& filter)
{
    return answer("open", caption, folder, filter);
}

QString SimFileChooser::answer(const char* kind, const QString& caption, const QString& path,
                               const QString& filter)
{
    m_dialogs.append(QJsonObject{{QStringLiteral("kind"), QLatin1String(kind)},
                                 {QStringLiteral("caption"), caption},
                                 {QStringLiteral("path"), path},
                                 {QStringLiteral("filter"), filter}});
    changed();
    if (m_answers.value(QLatin1String("cancel")).toBool())
        return {};
    return m_answers.value(QLatin1String(kind)).toString();
}

void SimFileChooser::configure(const QJsonObject& config)
{
    m_answers = config.value(QLatin1String("file_chooser")).toObject();
}

void SimFileChooser::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("file_dialogs"), m_dialogs);
}
