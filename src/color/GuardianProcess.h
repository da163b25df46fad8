#pragma once

#include <QObject>
#include <QString>

class QProcess;

// Kavo's guardian: a small process of its own (kavo-guardian, beside Kavo's executable) that
// holds the calibration record and an X connection, and writes the calibration back onto the
// monitors as soon as Kavo's process has ended, however it ended. It learns of that end from
// its standard input, whose other end only Kavo holds: the system closes it when Kavo is gone.
class GuardianProcess : public QObject
{
    Q_OBJECT

public:
    explicit GuardianProcess(QObject* parent = nullptr);
    // The guardian keeps running: its work starts once this whole process has ended.
    ~GuardianProcess() override;

    // kavo-guardian in the folder of this executable.
    static QString default_program();

    // Starts `program` for the record at `record_path` and the marker at `marker_path`; false,
    // logged, when it does not start. With `restore_first` the guardian writes the record onto
    // the monitors before this returns.
    bool start(const QString& program, const QString& record_path, const QString& marker_path,
               bool restore_first);
    // The record changed: the guardian reads it again.
    void reload();
    bool is_running() const;
    qint64 pid() const;

private:
    bool wait_for_restore();
    void report_end();

    // Deliberately never deleted: deleting a QProcess kills its process.
    QProcess* m_process = nullptr;
};
