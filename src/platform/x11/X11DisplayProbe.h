#pragma once

#include <QByteArray>

// Whether an X server answers on display `name` (":0"); the connection is closed again.
bool x11DisplayAnswers(const QByteArray& name);
