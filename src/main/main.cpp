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

  vor::VorApplication vor(
      {parser.value("port"), parser.value("settings"), QCoreApplication::applicationDirPath()});
  vor.MainWindow().show();
  return app.exec();
}
