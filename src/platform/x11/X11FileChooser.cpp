#include "platform/x11/X11FileChooser.h"

#include <QFileDialog>

QString X11FileChooser::saveFileName(const QString& caption, const QString& proposed,
                                     const QString& filter)
{
    return QFileDialog::getSaveFileName(nullptr, caption, proposed, filter);
}

QString X11FileChooser::openFileName(const QString& caption, const QString& folder,
                                     const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, caption, folder, filter);
}
