#include "assets/Assets.h"

#include <QImageReader>
#include <QString>
#include <QtGlobal>

QImage corv::assets::readPicture(const char* path) {
  QImageReader reader(QString::fromLatin1(path), "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

// Q_INIT_RESOURCE declares the registration function at its point of use,
// which must lie outside any namespace.
void corvInitAssets() { Q_INIT_RESOURCE(assets); }
