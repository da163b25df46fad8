#pragma once

#include <QString>
#include <QStringList>

// What kavo's own command line asks for before anything starts.
namespace CommandLine {

enum class Request
{
    Run,     // start, or hand the command text to the running Kavo
    Help,    // print the help and exit
    Version, // print the version and exit
};

// `arguments` without the program name. "--help", "-h" and "--version" anywhere win over
// everything else: they print and exit without touching Kavo's state.
Request request(const QStringList& arguments);

// True when the command text comes from standard input as one browser native message.
bool is_native_messaging(const QStringList& arguments);

// True when the window should open at once ("--show_ui" anywhere, with at least one argument).
bool asks_to_show_ui(const QStringList& arguments);

QString help_text();
QString version_text();

// The arguments of argv without argv[0].
QStringList from_argv(int argc, char** argv);

} // namespace CommandLine
