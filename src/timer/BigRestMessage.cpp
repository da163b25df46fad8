#include "timer/BigRestMessage.h"

#include "ShownText.h"
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
        return ShownText::tr("%1 reminds you that a big rest will occur in %2 minutes.")
            .arg(name, QString::number(tenth / 60));
    }
    if (seconds_left == 30)
        return ShownText::tr("%1 reminds you that a big rest will occur in 30 seconds.").arg(name);
    return std::nullopt;
}
