#pragma once

#include <QString>
#include <QStringList>

// Where the two Haar cascades of the face detection are found: beside the executable first,
// then in the system's OpenCV data folders.
namespace CascadeFiles {

extern const char* const kFace; // "haarcascade_frontalface_alt.xml"
extern const char* const kEyes; // "haarcascade_eye_tree_eyeglasses.xml"

// The folders searched, in order.
QStringList default_folders();

// The path of the file `name` in the first of `folders` that holds it; empty when none does.
QString find(const QString& name, const QStringList& folders);

} // namespace CascadeFiles
