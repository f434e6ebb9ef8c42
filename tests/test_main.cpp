// Shared test entry: the offscreen platform is set before the QApplication
// exists, so test discovery and plain runs need no display.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says on every call that it cannot raise a window or
// pass size hints; those lines would drown the test output.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietOffscreen);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
