// vor: the configuration and service tool for the door-lock controllers.
#include <QApplication>
#include <QCommandLineParser>

#include "main/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("VOR 1.0 Home");
  parser.addHelpOption();
  parser.addOptions({
      {"port", "Select this port (added to the list when absent).", "name"},
      {"settings", "Keep the application settings and profiles in this file.", "file"},
  });
  parser.process(app);

  vor::VorApplication::Options options;
  options.port = parser.value("port");
  options.settingsFile = parser.value("settings");
  options.folder = QCoreApplication::applicationDirPath();
  vor::VorApplication vor(options);
  vor.MainWindow().show();
  return app.exec();
}
