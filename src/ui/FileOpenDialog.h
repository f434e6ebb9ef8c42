// The file-open dialog: FileName is written before and read after ShowOpen;
// a cancel leaves it as it was.
#pragma once

#include <QString>

class QWidget;

namespace ui {

class FileOpenDialog final {
 public:
  QString Filter;
  QString FileName;
  QWidget* owner = nullptr;
  void ShowOpen();
};

}  // namespace ui
