#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtPlugin>

// The GSettings part: GIO (with GObject and its own libraries), loaded when a GNOME session's
// settings are first used, so that Kavo and kavoctl map none of it elsewhere. Values travel as
// GVariant text, which the part parses with each key's own type.
class IGSettingsPart
{
public:
    // A key and its new value as GVariant text; a null text resets the key to its default.
    using KeyValue = QPair<QString, QString>;

    virtual ~IGSettingsPart() = default;

    // Whether `schema` is installed with every one of `keys`.
    virtual bool hasKeys(const QString& schema, const QStringList& keys) = 0;

    // The value the user set for `key`, as GVariant text; a null string when the user never set
    // it (the key follows its default), or when `schema` lacks the key.
    virtual QString userValue(const QString& schema, const QString& key) = 0;

    // Writes `values` together, and waits until they are stored. A text that is not a value
    // its key takes (in type and range), or a key that cannot be written, leaves that key as it
    // was; those keys are returned.
    virtual QStringList write(const QString& schema, const QVector<KeyValue>& values) = 0;
};

#define IGSettingsPart_iid "org.kavo.IGSettingsPart/1"
Q_DECLARE_INTERFACE(IGSettingsPart, IGSettingsPart_iid)
