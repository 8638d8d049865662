#pragma once

#include <QImage>
#include <string>

namespace zorva {

// The picture of a JPEG file decoded with libjpeg (grey or colour, as RGB); a
// null image when the file is missing or not a JPEG the library can read.
QImage DecodeJpegFile(const std::string& path);

}  // namespace zorva
