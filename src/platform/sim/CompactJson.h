#pragma once

#include <QByteArray>
#include <QJsonObject>

// Writes JSON without blanks, as QJsonDocument's compact form does, but several times faster
// for the state file's bulk: whole numbers (the monitors' ramps) are written as integers
// without going through floating-point formatting.
namespace CompactJson {

QByteArray toBytes(const QJsonObject& object);

} // namespace CompactJson
