#include "platform/linux/QtFileChooser.h"

#include <QFileDialog>

QString QtFileChooser::saveFileName(const QString& caption, const QString& proposed,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(nullptr, caption, proposed, filter);
}

QString QtFileChooser::openFileName(const QString& caption, const QString& folder,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, caption, folder, filter);
}
