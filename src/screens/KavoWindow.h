#pragma once

#include <QDialog>
#include <QString>

// Base of every Kavo window. Each window exposes itself to its page as "native_object".
class KavoWindow : public QDialog
{
    Q_OBJECT

public:
    explicit KavoWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~KavoWindow() override;

    // Gives the window one object to own; the window deletes it when it goes.
    void set_owned_child(QObject* child);

    // `text` in the current language: what the pages' GET_STRING answers.
    static QString translated(const QString& text);

protected:
    // Reports that the window opened, as a view of `page` titled `title`: sent only where the
    // build names a statistics address and the user allows usage reports.
    static void report_page_view(const QString& page, const QString& title);

public slots:
    bool is_debug_mode() { return false; }
    bool use_webkit_bridge() { return true; }
    // A page's log line: the message on standard output.
    void log(const QString& message);
    // A page's text in the current language.
    QString GET_STRING(const QString& translation_string) { return translated(translation_string); }

private:
    QObject* m_owned_child = nullptr;
};
