#pragma once

#include <QByteArray>
#include <QImage>

namespace ruzdo {

// Decodes a baseline JPEG with libjpeg. Any error, and any warning (such as a
// truncated file), gives a null image; decoding never ends the program.
QImage DecodeJpeg(const QByteArray& data);

}  // namespace ruzdo
