#pragma once

#include "platform/IFileChooser.h"

// Qt's file dialogs, without a parent window.
class QtFileChooser : public IFileChooser
{
public:
    QString saveFileName(const QString& caption, const QString& proposed,
                         const QString& filter) override;
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
};
