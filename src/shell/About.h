// The About window: the product title and a column of credit lines that
// scroll up from below the bottom edge until the last one rests a little above
// the middle. Built afresh for every showing and unloaded when it closes; any
// key or a click on the emblem closes it.
#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "ui/Twips.h"
#include "ui/Window.h"

namespace ui {
class Image;
class Label;
class Timer;
}  // namespace ui

class About final : public ui::Window {
 public:
  static constexpr int kCreditLines = 35;

  // Loading happens here: the credit lines are built before the first showing.
  // openingPress: the time of the mouse press that opens the window, if one did.
  explicit About(std::optional<quint64> openingPress = std::nullopt);
  ~About() override;

  std::unique_ptr<ui::Timer> Timer1;
  std::unique_ptr<ui::Label> lbDefault;  // never shown: the model font of the credit lines
  std::vector<std::unique_ptr<ui::Label>> lbCredits;  // 0 is the title, 1..35 the credit lines
  std::unique_ptr<ui::Image> Image1;

  // Indexed by line number 1..35 so that the indices read like the lines;
  // slot 0 stays unused.
  std::array<QString, kCreditLines + 1> CreditText;
  std::array<ui::Rgb, kCreditLines + 1> CreditColor{};

  void Timer1_Timer();
  void Form_KeyDown(int keyCode, int shift);
  void Image1_Click();

 private:
  void Form_Load();
  void LoadCreditLabel(int index);

  std::optional<quint64> openingPress_;
  bool pressOpenedWindow_ = false;  // the latest press on the emblem belongs to the opening double-click
};
