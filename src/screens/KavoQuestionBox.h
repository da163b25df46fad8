#pragma once

#include <QStringList>

#include <optional>

// A modal question answered by one of a few buttons.
class KavoQuestionBox
{
public:
    // Shows the question on top of everything and waits for the answer: the text of the
    // clicked button, or the empty text when the box was closed.
    static QString ask(const QString& title, const QString& text, const QStringList& buttons,
                       const QString& default_button);

    // Test hook: while an answer is set, questions are not shown; each records its title and
    // text and is answered at once.
    static void setTestAnswer(std::optional<QString> answer);
    static QStringList& testQuestions();
};
