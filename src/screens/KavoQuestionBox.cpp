#include "screens/KavoQuestionBox.h"

#include <QHash>
#include <QMessageBox>
#include <QPushButton>

namespace {
std::optional<QString>& test_answer()
{
    static std::optional<QString> answer;
    return answer;
}
} // namespace

QString KavoQuestionBox::ask(const QString& title, const QString& text, const QStringList& buttons,
                             const QString& default_button)
{
    if (test_answer()) {
        testQuestions() << title << text;
        return *test_answer();
    }
    QMessageBox box(QMessageBox::Question, title, text);
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    QHash<QAbstractButton*, QString> answers;
    for (const QString& label : buttons) {
        QPushButton* button = box.addButton(label, QMessageBox::AcceptRole);
        answers.insert(button, label);
        if (label == default_button)
            box.setDefaultButton(button);
    }
    box.exec();
    return answers.value(box.clickedButton());
}

void KavoQuestionBox::setTestAnswer(std::optional<QString> answer)
{
    test_answer() = std::move(answer);
}

QStringList& KavoQuestionBox::testQuestions()
{
    static QStringList questions;
    return questions;
}
