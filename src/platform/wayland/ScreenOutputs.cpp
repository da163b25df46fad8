#include "platform/wayland/ScreenOutputs.h"

QVector<int> ScreenOutputs::match(const QStringList& screens, const QStringList& outputs)
{
    QVector<int> found(screens.size(), -1);
    QVector<bool> named(outputs.size(), false);
    for (int i = 0; i < screens.size(); ++i) {
        const int output = screens.at(i).isEmpty() ? -1 : outputs.indexOf(screens.at(i));
        if (output >= 0 && !named.at(output)) {
            found[i] = output;
            named[output] = true;
        }
    }
    for (int i = 0; i < screens.size(); ++i) {
        if (found.at(i) < 0 && i < outputs.size() && !named.at(i)) {
            found[i] = i;
            named[i] = true;
        }
    }
    return found;
}
