#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The live log: the last lines Kavo logged and every new one as it comes, selectable and
// copyable. Closing the window never ends Kavo.
class DebugConsoleWindow : public QWidget
{
    Q_OBJECT

public:
    static const char* const kTitle; // "Kavo debug console"

    DebugConsoleWindow();

    // The lines shown, oldest first.
    QStringList lines() const;

protected:
    // A new language: the button's text follows.
    void changeEvent(QEvent* event) override;

private slots:
    void add_line(const QString& line);
    void copy_all();

private:
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_copy = nullptr;
};
