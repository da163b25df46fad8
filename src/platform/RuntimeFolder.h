#pragma once

#include <QString>

// The folder of Kavo's sockets, instance lock, marker and calibration record. It must be the
// user's alone, or another account could plant links there or answer in Kavo's place: the
// user's runtime folder ($XDG_RUNTIME_DIR) when it is a folder of the user's own that no one
// else may enter, otherwise a private folder of Kavo's under the temporary folder, made for
// the user alone and checked.
namespace RuntimeFolder {

// The folder; empty, with `problem` saying why, when no private folder can be had.
QString path(QString* problem = nullptr);

// `path()` joined with the organisation and application names and `suffix`
// ("VelmoraKavo.lock"); empty when there is no private folder.
QString file(const QString& suffix);

// Why `folder` cannot be a private runtime folder; empty when it can.
QString problem_with(const QString& folder);

} // namespace RuntimeFolder
