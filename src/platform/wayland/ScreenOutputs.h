#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Which of the compositor's outputs shows each of Qt's screens. Qt on Wayland names its screens
// after the outputs; through Xwayland the names are the X server's own, and then the screens
// and the outputs are taken in the same order.
namespace ScreenOutputs {

// For each name in `screens`, the index in `outputs` of the output that shows it: the output
// of the same name, else the output at the screen's own place when no other screen is named
// after it, else -1.
QVector<int> match(const QStringList& screens, const QStringList& outputs);

} // namespace ScreenOutputs
