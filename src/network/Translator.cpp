#include "network/Translator.h"

#include "KavoLog.h"

#include <QCoreApplication>

// Resources of a static library are registered by hand, outside any namespace.
static void init_translation_resources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kavo_translations);
        return true;
    }();
    Q_UNUSED(registered)
}

namespace {
const QString kDirectory = QStringLiteral(":/externals/translations");
const QString kFallbackDirectory = QStringLiteral(":/src/translation");
const QString kPrefix = QStringLiteral("kavo_");
} // namespace

Translator::Translator(QObject* parent) : QObject(parent), m_code(QStringLiteral("en"))
{
    init_translation_resources();
    load_translation_file(m_code);
}

Translator::~Translator()
{
    QCoreApplication::removeTranslator(&m_translator);
}

const QStringList& Translator::language_codes()
{
    static const QStringList codes{
        QStringLiteral("ae"), QStringLiteral("bg"), QStringLiteral("cn"), QStringLiteral("cz"),
        QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"),
        QStringLiteral("gr"), QStringLiteral("hi"), QStringLiteral("it"), QStringLiteral("jp"),
        QStringLiteral("kr"), QStringLiteral("nl"), QStringLiteral("pt"), QStringLiteral("ru"),
        QStringLiteral("tr"), QStringLiteral("ua")};
    return codes;
}

void Translator::load_translation_file(const QString& code)
{
    QCoreApplication::removeTranslator(&m_translator);
    m_code = code;
    // Only the codes of the language choice name a file: any other text names none.
    if (!language_codes().contains(code) || !m_translator.load(kPrefix + code, kDirectory)) {
        log_line(QStringLiteral("Failed to load translation file for ") + code);
        m_translator.load(kPrefix + QStringLiteral("en"), kFallbackDirectory);
        m_code = QStringLiteral("en");
    }
    QCoreApplication::installTranslator(&m_translator);
}

QString Translator::translate_text(const QString& text) const
{
    // UTF-8: the texts of every language, Cyrillic to Korean, go through unharmed.
    return QCoreApplication::translate("Translator", text.toUtf8().constData());
}

QString Translator::country_language(const QString& country_name, const QString& country_code)
{
    if (country_name == QLatin1String("Bulgaria") || country_code == QLatin1String("BG"))
        return QStringLiteral("bg");
    return QStringLiteral("en");
}
