#pragma once

#include <QString>

// The remaining-time texts of the break timer, from a time in milliseconds (-1 for a timer
// that does not run). Hours, minutes and seconds are truncated, never rounded.
namespace TimeFormat {

// "45 sec", "12 min 5 sec", "1 hour 2 min 5 sec"; the words in the current language.
QString long_text(qint64 ms);

// "0:07", "0:42", "05:30", "01:05:30".
QString short_text(qint64 ms);

} // namespace TimeFormat
