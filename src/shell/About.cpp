#include "shell/About.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QStyleHints>

#include <algorithm>

#include "assets/Assets.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace {

const ui::FontSpec kTitleFont{QStringLiteral("Verdana"), 14.25, true};
const ui::FontSpec kModelFont{QStringLiteral("Verdana"), 9.0, true};

constexpr float kLineSpacing = 400.0f;
constexpr float kScrollStep = 15.0f;
// The middle of a line sits this far left of half the outer width.
constexpr float kCentreOffset = 30.0f;
constexpr float kRestDivisor = 2.45f;

}  // namespace

About::About(std::optional<quint64> openingPress) : ui::Window(QStringLiteral("About")), openingPress_(openingPress) {
  setCaption(QStringLiteral("About Corvaneth Stats..."));
  setBorderStyle(ui::BorderStyle::FixedToolWindow);
  setBackColor(ui::kDarkGrey);
  setClientSize(4200, 3975);
  setKeyPreview(true);

  Image1 = std::make_unique<ui::Image>(*this, QStringLiteral("Image1"));
  Image1->setStretch(false);
  // A missing picture leaves an empty image; the window still works.
  Image1->setPicture(QPixmap(QString::fromLatin1(corv::assets::kAboutPicture)));
  Image1->Move(60, 0, 4110, 3975);
  Image1->onClick = [this] { Image1_Click(); };
  // The second press of a double-click on the launcher's entry lands on the
  // emblem, which fills the window: it is not a click that closes it. The
  // presses' own times count; the load makes the second one handled late.
  Image1->onMouseDown = [this](int, int, float, float) {
    const std::optional<quint64> at = ui::mouseEventTime();
    const auto interval = static_cast<quint64>(std::max(0, QGuiApplication::styleHints()->mouseDoubleClickInterval()));
    pressOpenedWindow_ = openingPress_ && at && *at >= *openingPress_ && *at - *openingPress_ < interval;
  };

  lbDefault = std::make_unique<ui::Label>(*this, QStringLiteral("lbDefault"));
  // Sized to its text: the design size gives way to the caption's extent in the installed font.
  lbDefault->Move(1620, 1800, 960, 210);
  lbDefault->setFont(kModelFont);
  lbDefault->setForeColor(ui::kPaleYellow);
  lbDefault->setCentered(true);
  lbDefault->setCaption(QStringLiteral("Build 153"));
  lbDefault->setVisible(false);

  auto title = std::make_unique<ui::Label>(*this, QStringLiteral("lbCredits_0"));
  title->Move(705, 3960, 2790, 345);
  title->setFont(kTitleFont);
  title->setForeColor(ui::kWhite);
  title->setCaption(QStringLiteral("Corvaneth Stats"));
  lbCredits.push_back(std::move(title));

  onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };

  Timer1 = std::make_unique<ui::Timer>();
  Timer1->setInterval(50);
  Timer1->onTimer = [this] { Timer1_Timer(); };
  Timer1->setEnabled(true);

  Form_Load();
}

About::~About() {
  // No handler may reach the lines or the timer while they go.
  onKeyDown = nullptr;
  onActivate = nullptr;
}

void About::Form_Load() {
  for (int i = 1; i <= kCreditLines; ++i) {
    CreditColor[i] = ui::kWhite;
    CreditText[i] = QStringLiteral(" ");
  }

  CreditText[1] = QStringLiteral("Version 1.0.1a - 12/01/99");
  CreditText[4] = QStringLiteral("Design && Development");
  CreditText[5] = QStringLiteral("Marek Vellander");
  CreditText[8] = QStringLiteral("Beta Test Team");
  CreditText[9] = QStringLiteral("Ilsa Thorncastle");
  CreditText[10] = QStringLiteral("Dov Carraway");
  CreditText[11] = QStringLiteral("Petra Quillon");
  CreditText[12] = QStringLiteral("Joss Harrowgate");
  CreditText[13] = QStringLiteral("Nadim Ostrander");
  CreditText[16] = QStringLiteral("Special Thanks");
  CreditText[17] = QStringLiteral("Brightkeel Software");
  CreditText[18] = QStringLiteral("Hollowmere Interactive");
  CreditText[19] = QStringLiteral("Saltmarsh Digital Labs");
  CreditText[20] = QStringLiteral("Aurelie Fenwick");
  CreditText[21] = QStringLiteral("Tobin Greaves");
  CreditText[30] = QStringLiteral("Thanks for using Corvaneth Stats!");
  CreditText[35] = QStringLiteral("Press any key to continue");

  CreditColor[1] = ui::kPaleYellow;
  CreditColor[5] = ui::kPaleYellow;
  for (int i = 9; i <= 13; ++i) CreditColor[i] = ui::kPaleYellow;
  for (int i = 17; i <= 21; ++i) CreditColor[i] = ui::kPaleYellow;

  for (int i = 1; i <= kCreditLines; ++i) {
    LoadCreditLabel(i);
    ui::Label& line = *lbCredits[i];
    line.setCaption(CreditText[i]);
    line.setForeColor(CreditColor[i]);
    line.setFont(lbDefault->font());
    const float left = (Width() - line.Width()) / 2.0f - kCentreOffset;
    // The previous line's current Top, not its planned one: a tick during the
    // pass of pending messages below may already have moved it.
    const float top = lbCredits[i - 1]->Top() + kLineSpacing;
    line.Move(left, top);
    ui::DoEvents();
    line.setVisible(true);
    Image1->ZOrder(ui::Control::kBack);
  }
}

// A new array element takes the title's look and starts hidden.
void About::LoadCreditLabel(int index) {
  const ui::Label& model = *lbCredits[0];
  auto label = std::make_unique<ui::Label>(*this, QStringLiteral("lbCredits_%1").arg(index));
  label->setVisible(false);
  label->setDoubledAmpersands(true);
  label->setFont(model.font());
  label->setForeColor(model.ForeColor());
  label->setCaption(model.Caption());
  label->Move(model.Left(), model.Top());
  lbCredits.push_back(std::move(label));
}

void About::Timer1_Timer() {
  for (auto& label : lbCredits) label->setTop(label->Top() - kScrollStep);
  const float rest = Height() / kRestDivisor;
  if (rest > lbCredits.back()->Top()) Timer1->setEnabled(false);
  ui::DoEvents();
}

void About::Form_KeyDown(int keyCode, int) {
  // Alt, Ctrl and the like begin a chord; its key closes the window.
  if (ui::isModifierKey(keyCode)) return;
  Timer1->setEnabled(false);
  Unload();
}

void About::Image1_Click() {
  if (pressOpenedWindow_) return;
  Timer1->setEnabled(false);
  Unload();
}
