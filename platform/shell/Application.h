// Set-up shared by every program on the device layer: pixels and dpi, screen profile, fonts,
// widget style, and the --screenshot run.
#pragma once

#include <QApplication>
#include <QStringList>

namespace velmora::shell {

class DeviceFrame;

class Application : public QApplication {
    Q_OBJECT
  public:
    // Turns Qt's own high-dpi scaling off, consumes --screen and --screenshot, installs the
    // Tahoma substitutes and applies the chosen profile's font and metrics.
    Application(int& argc, char** argv);

    QString screenshotPath() const { return screenshotPath_; }
    // The arguments left for the program once the layer's own are taken out.
    QStringList programArguments() const { return programArguments_; }

    // Shows the frame and runs the event loop; with --screenshot it paints once, writes the
    // picture and returns 0 (1 when the file cannot be written). Returns checkFonts()'s failure.
    int run(DeviceFrame& frame);

    // The application font and widget style for the current screen profile.
    static void applyScreenProfile();

    // 0 when the Tahoma substitute draws every Vietnamese letter; otherwise prints why on
    // stderr and returns 3.
    static int checkFonts();

    // Takes "--screenshot FILE" or "--screenshot=FILE" out of args; false with *error set when
    // the file name is missing.
    static bool takeScreenshotArgument(QStringList& args, QString* path, QString* error);

  private:
    static int& prepare(int& argc);
    QString screenshotPath_;
    QStringList programArguments_;
};

} // namespace velmora::shell
