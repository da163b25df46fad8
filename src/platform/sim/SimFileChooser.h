#pragma once

#include "platform/IFileChooser.h"
#include "platform/sim/SimService.h"

#include <QJsonArray>

// File dialogs answer at once from the config's "file_chooser": {"save": path, "open": path,
// "cancel": bool} (a missing path or "cancel" true is a cancelled dialog). The state lists the
// dialogs shown as "file_dialogs": [{"kind": "save" | "open", "caption", "path", "filter"}],
// with the proposed name or starting folder as "path".
class SimFileChooser : public IFileChooser, public SimService
{
public:
    QString saveFileName(const QString& caption, const QString& proposed,
                         const QString& filter) override;
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QString answer(const char* kind, const QString& caption, const QString& path,
                   const QString& filter);

    QJsonObject m_answers;
    QJsonArray m_dialogs;
};
