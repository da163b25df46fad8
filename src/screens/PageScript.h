#pragma once

#include <QString>
#include <QStringList>

// Page statements built from text that comes from outside Kavo (process names, window titles,
// network answers, file names): every such text goes in as a JavaScript string literal, so
// that it is data and never code.
namespace PageScript {

// `text` as a single-quoted JavaScript string literal.
QString string_literal(const QString& text);

// The statement that calls the page function `function` with `arguments` as strings:
// "function('a', 'b');". `function` is a name of Kavo's own pages, never outside text.
QString call(const QString& function, const QStringList& arguments = {});

} // namespace PageScript
