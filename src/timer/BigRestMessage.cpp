#include "timer/BigRestMessage.h"

#include "timer/TimerTypes.h"

#include <QCoreApplication>

std::optional<QString> big_rest_message(int timer_type, qint64 remaining_work_ms,
                                        qint64 work_interval_ms)
{
    if (timer_type >= TimerType::Productive)
        return std::nullopt;
    const qint64 seconds_left = remaining_work_ms / 1000;
    const qint64 tenth = work_interval_ms / 1000 / 10;
    const QString name = QCoreApplication::applicationName();
    if (seconds_left == tenth && work_interval_ms >= 600000) {
        return name + QLatin1Char(' ') +
               QCoreApplication::translate("RestTimer",
                                           "reminds you that a big rest will occur in") +
               QLatin1Char(' ') + QString::number(tenth / 60) + QLatin1Char(' ') +
               QCoreApplication::translate("RestTimer", "minutes") + QLatin1Char('.');
    }
    if (seconds_left == 30) {
        return name + QLatin1Char(' ') +
               QCoreApplication::translate("RestTimer",
                                           "reminds you that a big rest will occur in 30 seconds") +
               QLatin1Char('.');
    }
    return std::nullopt;
}
