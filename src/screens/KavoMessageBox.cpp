#include "screens/KavoMessageBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
std::optional<QString>& testAnswer()
{
    static std::optional<QString> answer;
    return answer;
}
} // namespace

KavoMessageBox::KavoMessageBox(const QString& title, const QString& message, QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose, true);
    build_form();
    setWindowTitle(title);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    m_label->setText(message);
    if (testAnswer()) {
        testMessages() << title << message;
        // The answer is taken now: the hook may be cleared before the box answers.
        QTimer::singleShot(0, this, [this, answer = *testAnswer()] {
            emit finished(answer);
            close();
        });
        return;
    }
    show_on_top();
}

void KavoMessageBox::setTestAnswer(std::optional<QString> answer)
{
    testAnswer() = std::move(answer);
}

QStringList& KavoMessageBox::testMessages()
{
    static QStringList messages;
    return messages;
}

void KavoMessageBox::build_form()
{
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    QFont font = m_label->font();
    font.setPointSize(10);
    m_label->setFont(font);
    auto* button = new QPushButton(QCoreApplication::translate("message_box", "OK"), this);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &KavoMessageBox::on_ok_button_clicked);
    layout->addWidget(m_label);
    layout->addWidget(button, 0, Qt::AlignHCenter);
}

void KavoMessageBox::show_on_top()
{
    show();
    showNormal();
    raise();
    activateWindow();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 2 - height() / 2);
    }
    setFixedSize(size());
}

void KavoMessageBox::on_ok_button_clicked()
{
    emit finished(QStringLiteral("OK"));
    close();
}

void KavoMessageBox::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}
