#include "shell/Startup.h"

#include <QFile>
#include <QPixmap>
#include <utility>

#include "assets/Assets.h"
#include "shell/About.h"
#include "shell/BrowseFolders.h"
#include "shell/Registry.h"
#include "log/LogReader.h"
#include "stats/Main.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace shell {

namespace {

const ui::FontSpec kTitleFont{QStringLiteral("Verdana"), 14.25, true};
const ui::FontSpec kMenuFont{QStringLiteral("Verdana"), 9.0, true};

struct MenuEntry {
  int index;
  const char* caption;
  float left, top;
};

// Screen order, top to bottom.
constexpr std::array<MenuEntry, 4> kMenu{{
    {0, "About Corvaneth Stats", 930, 1230},
    {1, "Check for Update", 1245, 1710},
    {3, "Open Game Log", 1305, 2190},
    {2, "Quit Tarquil", 1425, 2670},
}};

enum MenuIndex { kAbout = 0, kCheckForUpdate = 1, kQuit = 2, kOpenGameLog = 3 };

QString programTitle() { return QString::fromLatin1(kProgramTitle); }

}  // namespace

Startup::Startup(corv::StatsState& state) : ui::Window(QStringLiteral("Startup")), state_(state) {
  setCaption(QStringLiteral("Corvaneth Stats"));
  setBorderStyle(ui::BorderStyle::FixedSingle);
  setBackColor(ui::kBlack);
  setClientSize(4200, 3390);

  // Made first so that it lies behind every other control.
  back_ = std::make_unique<ui::Image>(*this, QStringLiteral("Image1"));
  Image1 = back_.get();
  Image1->setStretch(true);
  Image1->setPicture(QPixmap::fromImage(corv::assets::readPicture(corv::assets::kLauncherPicture)));
  Image1->Move(-840, -60, 6360, 3660);
  Image1->onMouseMove = [this](int b, int s, float x, float y) { Image1_MouseMove(b, s, x, y); };

  title_ = std::make_unique<ui::Label>(*this, QStringLiteral("Label1"));
  Label1 = title_.get();
  Label1->setFont(kTitleFont);
  Label1->setForeColor(ui::kWhite);
  Label1->setCaption(QStringLiteral("Corvaneth Stats"));
  Label1->Move(705, 420);

  rule_ = std::make_unique<ui::Line>(*this, QStringLiteral("Line1"));
  Line1 = rule_.get();
  Line1->setPoints(720, 780, 3480, 780);
  Line1->setBorderColor(ui::kWhite);
  // The pointer on the rule is over the rule, not the background beneath: like
  // the title, it leaves the menu colours as they are.
  Line1->setTakesMouse(true);

  for (const MenuEntry& e : kMenu) {
    auto label = std::make_unique<ui::Label>(*this, QStringLiteral("lbMenu_%1").arg(e.index));
    label->setFont(kMenuFont);
    label->setForeColor(ui::kLightBlue);
    label->setCaption(QString::fromLatin1(e.caption));
    label->Move(e.left, e.top);
    const int index = e.index;
    label->onMouseDown = [this, index](int b, int s, float x, float y) { lbMenu_MouseDown(index, b, s, x, y); };
    label->onMouseMove = [this, index](int b, int s, float x, float y) { lbMenu_MouseMove(index, b, s, x, y); };
    lbMenu[static_cast<std::size_t>(index)] = label.get();
    menu_[static_cast<std::size_t>(index)] = std::move(label);
  }

  CD.Filter = QStringLiteral("Corvaneth Game Logs (*.txt)|*.txt");
  CD.owner = widget();

  onActivate = [this] { Form_Activate(); };
}

Startup::~Startup() {
  // No handler may reach the menu while it goes.
  onActivate = nullptr;
}

Main& Startup::mainWindow() {
  if (!main_) {
    main_ = std::make_unique<Main>(state_);
    main_->showLauncher = [this] { Show(); };
  }
  return *main_;
}

QString Startup::presetFileName() const {
  // This platform separates folders with "/".
  return QString::fromStdString(state_.GamePath) + QStringLiteral("/*.txt");
}

void Startup::Form_Activate() {
  Image1_MouseMove(0, 0, 0, 0);

  state_.GamePath =
      unsaved_ ? *unsaved_ : ReadRegString(HKEY_LOCAL_MACHINE, kSettingKey, kSettingValue).value_or(std::string());
  if (state_.GamePath.empty()) {
    ui::MsgBox(QStringLiteral("This is the first time that you run Tarquil.\r\n"
                              "Please specify your Corvaneth folder now."),
               ui::kMsgInformation, programTitle());
    state_.GamePath =
        BrowseForFolder(QStringLiteral("/"), QStringLiteral("Save Updated Files to the following Folder:")).toStdString();
    // An empty answer is stored too, so the prompt comes again next time.
    const std::string why = WriteRegString(HKEY_LOCAL_MACHINE, kSettingKey, kSettingValue, state_.GamePath);
    unsaved_ = why.empty() ? std::nullopt : std::optional(state_.GamePath);
    if (unsaved_ && !std::exchange(unsavedSaid_, true))
      ui::MsgBox(QStringLiteral("Your Corvaneth folder could not be saved in %1:\r\n%2.\r\n"
                                "Tarquil keeps it until you quit.")
                     .arg(QString::fromStdString(registryFilePath()), QString::fromStdString(why)),
                 ui::kMsgInformation, programTitle());
  }

  CD.FileName = presetFileName();
}

void Startup::Image1_MouseMove(int, int, float, float) {
  for (ui::Label* entry : lbMenu) entry->setForeColor(ui::kLightBlue);
}

void Startup::lbMenu_MouseMove(int Index, int, int, float, float) {
  lbMenu[static_cast<std::size_t>(Index)]->setForeColor(ui::kRed);
}

// Any button acts: the action starts when it goes down.
void Startup::lbMenu_MouseDown(int Index, int, int, float, float) {
  // An action lets pending events run (the About window builds its lines,
  // opening a log draws the busy page); a second press arriving then, such as
  // the second half of a double-click, must not start another action inside it.
  if (inMenu_) return;
  inMenu_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{inMenu_};

  switch (Index) {
    case kAbout: {
      auto about = std::make_unique<About>(ui::mouseEventTime());
      about->Show(ui::Window::kModal);
      break;
    }
    case kCheckForUpdate:
      if (ui::MsgBox(QStringLiteral("Check on the internet for a new version of Corvaneth Stats?"),
                     ui::kMsgQuestionYesNo, programTitle()) == ui::kMsgResultYes)
        ui::OpenUrl(QString::fromLatin1(kWebPageUrl));
      break;
    case kQuit:
      ui::End();
      break;
    case kOpenGameLog:
      openGameLog();
      break;
    default:
      break;
  }
}

void Startup::openGameLog() {
  CD.ShowOpen();
  const QString chosen = CD.FileName;
  if (chosen == presetFileName() || chosen == QStringLiteral("*.txt") || !corv::IsNormalFile(QFile::encodeName(chosen).toStdString())) return;

  mainWindow().openLogAsLauncher(chosen, [this] { Hide(); });
}

}  // namespace shell
