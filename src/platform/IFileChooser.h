#pragma once

#include <QString>

// The desktop's file dialogs. Each returns the chosen path, or the empty text when the user
// cancelled.
class IFileChooser
{
public:
    virtual ~IFileChooser() = default;

    // Asks where to save, proposing `proposed`; `filter` as "Name (*.a *.b)".
    virtual QString saveFileName(const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;

    // Asks for a file to open, starting in `folder`.
    virtual QString openFileName(const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
};
