#pragma once

#include <QJsonObject>

// Kavo's status in the form waybar's custom modules read (also fine for polybar and i3blocks
// scripts): {"text": shown in the bar, "tooltip": the details, "class": for the bar's style
// sheet: "paused", "automatic", "manual" or "not-running"}.
QJsonObject waybarStatus(const QJsonObject& status);
