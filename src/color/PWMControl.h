#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The backlight's PWM frequency, read and set through two companion programs that Kavo does
// not ship (an administrator provides them for the hardware):
//   kavo_get_pwm_frequency          prints the frequency in hertz as a decimal number (or,
//                                   printing nothing, exits with it); 0 or less: no PWM control
//   kavo_pwm_control <hertz>        sets the frequency
// Each is looked for beside the Kavo executable, then on PATH, and run synchronously within a
// time limit; one that does not end in time is ended and counts as unsupported.
class PWMControl
{
public:
    static constexpr int kTimeLimitMs = 5000;
    static const char* const kReadProgram;
    static const char* const kSetProgram;

    // The programs are looked for in `folders`, in order (by default: beside the executable,
    // then every PATH entry).
    explicit PWMControl(QStringList folders = default_folders(), int time_limit_ms = kTimeLimitMs);

    static QStringList default_folders();

    // The current frequency in hertz; 0 or less when there is no PWM control (no companion, a
    // companion that failed, hung or answered something else than a frequency).
    int read_frequency();
    bool is_supported();
    // Runs the set program with `hz`; its exit code, or -1 when it did not run to its end.
    int set_frequency(int hz);

private:
    struct Outcome
    {
        bool finished = false; // ran to its end within the time limit
        int exit_code = -1;
        QByteArray output;
    };

    QString find(const char* program);
    Outcome run(const char* program, const QStringList& arguments);

    QStringList m_folders;
    int m_time_limit_ms;
    // Programs that were missing or hung, reported once each.
    QSet<QString> m_reported;
    // A program that hung is not run again: it would stall Kavo on every colour update.
    QSet<QString> m_hung;
};
