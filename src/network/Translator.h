#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language of Kavo's texts: owns the one installed translation and switches it. Native
// texts and the pages' texts (through GET_STRING) are looked up in it.
class Translator : public QObject
{
    Q_OBJECT

public:
    explicit Translator(QObject* parent = nullptr);
    ~Translator() override;

    // The codes of the languages Kavo speaks, as the language choice sends them.
    static const QStringList& language_codes();

    // Installs the translation of `code`; English, with a log line, when there is none.
    void load_translation_file(const QString& code);
    QString language_code() const { return m_code; }

    // `text` in the current language; the page texts' context is "Translator".
    QString translate_text(const QString& text) const;

    // The language for a country the geolocation named: Bulgarian for Bulgaria, else English.
    static QString country_language(const QString& country_name, const QString& country_code);

public slots:
    bool is_debug_mode() { return false; }

private:
    QString m_code;
    QTranslator m_translator;
};
