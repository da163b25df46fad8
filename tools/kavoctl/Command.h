#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

// Exit statuses of kavoctl.
enum KavoctlStatus
{
    kStatusOk = 0,
    kStatusFailed = 1,
    kStatusBadArguments = 2,
    kStatusKavoRunning = 3
};

// What a subcommand hands back: a JSON object for standard output, or an error line for
// standard error, with the exit status.
struct CommandResult
{
    int status = kStatusOk;
    QJsonObject output;
    QString error;
    // What the command goes on doing once its answer is out (holding colours that last only
    // while kavoctl runs); its return value is the exit status.
    std::function<int()> then = nullptr;

    static CommandResult ok(const QJsonObject& output) { return {kStatusOk, output, {}}; }
    static CommandResult badArguments(const QString& error)
    {
        return {kStatusBadArguments, {}, error};
    }
    static CommandResult failed(const QString& error) { return {kStatusFailed, {}, error}; }
    static CommandResult kavoRunning(const QString& error)
    {
        return {kStatusKavoRunning, {}, error};
    }
};

struct Command
{
    const char* name;
    const char* usage; // one line, shown by "kavoctl help"
    std::function<CommandResult(const QStringList& arguments)> run;
};
