#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class App;
class SpellParser;

// The console of hidden features: a typed command (a spell) from the hidden-features page or
// from a later launch of Kavo is matched against the command table, in order; the first
// pattern that matches runs its action. Feedback goes to a tray message; after every spell
// the settings are saved in full.
class HiddenFeatures
{
public:
    using Action = std::function<void(HiddenFeatures&, const SpellParser&)>;

    struct Command
    {
        QStringList patterns; // any of them runs the action
        Action action;
    };

    explicit HiddenFeatures(App& app);

    // Runs `spell`, then saves the settings.
    void dispatch(const QByteArray& spell);
    // Runs `spell` without saving; whoever runs several saves once after them.
    void run(const QByteArray& spell);

    // The command table's patterns, one line per command ("help", "open %s page", ...).
    static QStringList spell_list();

    // A tray message, when hidden-features notifications are on. `title` and `body` are texts
    // marked with QT_TRANSLATE_NOOP("Translator", ...): they are shown in the current language,
    // each %1 in them replaced by `value`.
    void notify(const char* title, const char* body, const QString& value = QString());
    void notify_success(const QString& spell);

    App& app() { return m_app; }

private:
    static const std::vector<Command>& commands();
    void invalid_spell(const QString& spell);

    App& m_app;
};
