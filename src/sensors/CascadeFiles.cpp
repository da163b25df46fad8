#include "sensors/CascadeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace CascadeFiles {

const char* const kFace = "haarcascade_frontalface_alt.xml";
const char* const kEyes = "haarcascade_eye_tree_eyeglasses.xml";

QStringList default_folders()
{
    return {QCoreApplication::applicationDirPath(),
            QStringLiteral("/usr/share/opencv4/haarcascades"),
            QStringLiteral("/usr/share/opencv/haarcascades")};
}

QString find(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace CascadeFiles
