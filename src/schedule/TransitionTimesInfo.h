#pragma once

#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ScheduleText;

// The transition-times information text: when day, night and sleep begin and end under the
// schedule in use, with the durations, and (for the sun) the zone, sun and moon figures.
class TransitionTimesInfo
{
    Q_DECLARE_TR_FUNCTIONS(TransitionTimesInfo)

public:
    static QString text(const SettingsMap& settings, const Location& location, double nowMs);

private:
    TransitionTimesInfo(const SettingsMap& settings, const Location& location, double nowMs);

    void addLine(const char* label, const QString& value);
    void addTitle(const char* label);
    void endGroup();

    void addClockTimes();
    void addSolarTimes();
    void addSleepTimes(const ScheduleText& format);
    void addSleepDurations();
    void addLocation();

    int setting(const char* key) const;

    const SettingsMap& m_settings;
    const Location& m_location;
    double m_nowMs;
    QString m_text;
};
