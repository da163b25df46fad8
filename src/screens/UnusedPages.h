#pragma once

#include <QString>
#include <QVariantList>

// The settings pages the user has hidden, by page title. The list is kept as variants because
// the store and the page both hold it that way.
namespace UnusedPages {

// The list a new user starts with: one title per line of `file_path` when that file exists
// (empty when it cannot be read), otherwise the edition's built-in list.
QVariantList default_list(const QString& application_name, const QString& file_path);

// `pages` with `page` appended, unless an entry equal to it (case-sensitive) is present.
QVariantList with_page(QVariantList pages, const QString& page);

// `pages` without any entry equal to `page` ignoring case.
QVariantList without_page(QVariantList pages, const QString& page);

} // namespace UnusedPages
