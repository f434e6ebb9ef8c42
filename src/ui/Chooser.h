// The view chooser: a drop-down list of items numbered from 1. Its click is
// raised only for the user's choice, never for a selection made by code.
#pragma once

#include "ui/Control.h"

class QComboBox;

namespace ui {

class Chooser final : public Control {
 public:
  Chooser(Container& parent, const QString& objectName);
  void Clear();
  void Add(const QString& text);
  int ItemCount() const;
  QString ItemText(int n) const;   // n counted from 1
  int SelectedIndex() const;       // 0 when nothing is selected
  void setSelectedIndex(int n);    // from code: raises no click
  // What a user's choice of item n does: selects it and raises the click.
  void userChoose(int n);
  QComboBox* combo() const;
};

}  // namespace ui
