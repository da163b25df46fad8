#pragma once

#include <QVariantList>

#include <functional>

// Actions of the console, the tray and the taskbar entry that belong to features this build
// of Kavo does not have yet (the rest timer, the process monitor's pausers, the input hooks,
// the location setters, the web pages). Each is run by name; until its feature connects a
// handler, running it logs one line saying so. Every name is listed in PendingFeatures.cpp.
namespace PendingFeatures {

using Handler = std::function<void(const QVariantList& arguments)>;

// Runs the action `name`; false when no feature has connected it yet.
bool run(const char* name, const QVariantList& arguments = {});

// Connects the action `name` to the feature that carries it out.
void connect(const char* name, Handler handler);

// Whether `name` is one of the listed actions.
bool is_listed(const char* name);

} // namespace PendingFeatures
