#pragma once

#include <QString>

// Where the running Kavo listens, in the user's private runtime folder (empty paths when there
// is none), named from the organisation and application names: the instance socket (requests, hand-over) and the status sockets
// (one answer; a line per change). Kavo and kavoctl both find them here.
namespace KavoSockets {
QString instance_path();
QString status_path();
QString status_follow_path();
} // namespace KavoSockets
