#include "ui/Chooser.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ui {

Chooser::Chooser(Container& parent, const QString& objectName) : Control(new QComboBox(parent.area()), objectName) {
  ownMouseHandling_ = true;
  // Only `activated` is the user's choice; a selection made by code emits
  // `currentIndexChanged` alone, which nothing here listens to.
  QObject::connect(combo(), &QComboBox::activated, combo(), [this](int) {
    if (auto handler = onClick) handler();
  });
}

QComboBox* Chooser::combo() const { return static_cast<QComboBox*>(widget()); }

void Chooser::Clear() {
  if (QComboBox* c = combo()) {
    const QSignalBlocker quiet(c);
    c->clear();
  }
}

void Chooser::Add(const QString& text) {
  if (QComboBox* c = combo()) {
    const QSignalBlocker quiet(c);
    c->addItem(text);
    // A list that gains its first item selects nothing until told to.
    if (c->count() == 1) c->setCurrentIndex(-1);
  }
}

int Chooser::ItemCount() const { return combo() ? combo()->count() : 0; }

QString Chooser::ItemText(int n) const {
  if (!combo() || n < 1 || n > combo()->count()) return QString();
  return combo()->itemText(n - 1);
}

int Chooser::SelectedIndex() const { return combo() ? combo()->currentIndex() + 1 : 0; }

void Chooser::setSelectedIndex(int n) {
  QComboBox* c = combo();
  if (!c || n < 0 || n > c->count()) return;
  const QSignalBlocker quiet(c);
  c->setCurrentIndex(n - 1);
}

void Chooser::userChoose(int n) {
  QComboBox* c = combo();
  if (!c || n < 1 || n > c->count()) return;
  c->setCurrentIndex(n - 1);
  emit c->activated(n - 1);
}

}  // namespace ui
