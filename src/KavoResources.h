#pragma once

// Makes Kavo's pages, images and sounds (resources/kavo.qrc) reachable under ":/" and "qrc:/".
// The resources live in a static library, so they are registered by hand; every later call
// does nothing.
void register_kavo_resources();

class QPixmap;
class QString;

// One of Kavo's PNG images: read by Qt's own PNG reader, without first loading every image
// plugin to ask whether it reads PNG as well (the gif, ico, jpeg and svg plugins, with
// libjpeg, would stay mapped), and kept in Qt's pixmap cache. A null pixmap when it cannot be
// read.
QPixmap kavo_png(const QString& path);
