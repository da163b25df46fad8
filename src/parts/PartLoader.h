#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Kavo's parts: the features whose libraries are large (the web engine, OpenCV, Qt Multimedia)
// live in plugins of their own, loaded when the feature is first used, so that a Kavo that
// sits in the tray maps none of them. A part is the file libkavo_<name>.so in the first of
// folders() that holds it.
namespace PartLoader {

// The environment variable that names the one folder to take parts from.
inline const char* const kFolderVariable = "KAVO_PARTS_DIR";

// The folders searched, in order: KAVO_PARTS_DIR alone when it is set; otherwise the build
// tree's folder when Kavo runs from its build tree, then the folder installed beside the
// executable (<prefix>/lib/kavo), then the one of the prefix Kavo was built for.
QStringList folders();

// The part's plugin object, loaded on the first call; null when it cannot be loaded, which is
// logged once in one line.
QObject* load(const QString& name);

// Why the part cannot be loaded; empty when it is loaded or was not tried.
QString error(const QString& name);

// The part's interface `Interface`; null when the part cannot be loaded or lacks it.
template <class Interface> Interface* load(const QString& name)
{
    return qobject_cast<Interface*>(load(name));
}

} // namespace PartLoader
