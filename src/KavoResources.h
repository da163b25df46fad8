#pragma once

// Makes Kavo's pages, images and sounds (resources/kavo.qrc) reachable under ":/" and "qrc:/".
// The resources live in a static library, so they are registered by hand; every later call
// does nothing.
void register_kavo_resources();
