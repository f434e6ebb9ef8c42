#include "assets/Assets.h"

#include <QImageReader>
#include <QString>

QImage corv::assets::readPicture(const char* path) {
  QImageReader reader(QString::fromLatin1(path), "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}
