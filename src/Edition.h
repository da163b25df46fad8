#pragma once

#include <QString>

// The fixed texts of this edition of Kavo: what the About page shows and opens. The two web
// addresses are set when Kavo is built (KAVO_WEBSITE_URL, KAVO_CHANGELOG_URL); the environment
// variables of the same names override them. Empty means the edition has none.
namespace Edition {

QString application_name();
QString version();
QString publisher_name();
QString website();
// Where the changes of this version are described.
QString version_url();

} // namespace Edition
