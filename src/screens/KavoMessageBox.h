#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

class QLabel;

// A small always-on-top notice with one "OK" button. It shows itself when built and deletes
// itself when closed.
class KavoMessageBox : public QWidget
{
    Q_OBJECT

public:
    KavoMessageBox(const QString& title, const QString& message, QWidget* parent = nullptr);

    // Test hook: while an answer is set, message boxes are not shown; each records its title
    // and message and answers at the next event loop pass, as if the button was clicked.
    static void setTestAnswer(std::optional<QString> answer);
    // Title and message of every box built while the test hook was on, oldest first.
    static QStringList& testMessages();

signals:
    void finished(QString text);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_ok_button_clicked();

private:
    void build_form();
    void show_on_top();

    QLabel* m_label = nullptr;
};
