// vor-sim: a controller on a serial line, for work without hardware.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "sim/console.h"
#include "sim/maintenance_commands.h"
#include "sim/simulator.h"

using namespace vor::sim;

namespace {

bool ParseHex16(const QString& text, quint16& value) {
  bool ok = false;
  const uint v = text.toUInt(&ok, 16);
  if (ok && v <= 0xFFFF) value = quint16(v);
  return ok && v <= 0xFFFF;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "vor-sim: %s\n", qPrintable(message));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("vor-sim");
  const QString defaultProblems =
      QString("%1").arg(ControllerModel::kDefaultProblems, 4, 16, QChar('0')).toUpper();
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Simulated door-lock controller on a serial line.\n"
      "Serves until killed or until its standard input closes.\n"
      "Fault kinds: " +
      FaultNames().join(", ") + " (pings count as requests).");
  parser.addHelpOption();
  parser.addOptions({
      {"pty", "Create a pseudo-terminal and print its path as the first line."},
      {"device", "Serve an existing serial device.", "path"},
      {"sync", "Idle behaviour: 0 silent, 1 idle byte F0, 2 sync frames (default 0).", "n", "0"},
      {"model", "Model code, 4 hex digits (default 0201).", "hex", "0201"},
      {"version", "Version, 4 hex digits (default 0102).", "hex", "0102"},
      {"date", "Production date YYYY-MM-DD (default 2020-11-30).", "date", "2020-11-30"},
      {"otk", "OTK number 0-255 (default 5).", "n", "5"},
      {"problems", "Problems-and-reminders word, 4 hex digits (default " + defaultProblems + ").",
       "hex", defaultProblems},
      {"paced", "Send every byte at the real 9600 8N2 byte time."},
      {"fault", "Misbehave: " + FaultNames().join(", ") + ".", "kind"},
      {"fault-every", "Apply the fault to every Nth request.", "n"},
      {"fault-rate", "Apply the fault to each request with probability P.", "p"},
      {"seed", "Seed for --fault-rate (default 1).", "s", "1"},
  });
  parser.process(app);

  Identity identity;
  if (!ParseHex16(parser.value("model"), identity.model)) return Fail("bad --model");
  if (!ParseHex16(parser.value("version"), identity.version)) return Fail("bad --version");
  identity.productionDate = QDate::fromString(parser.value("date"), Qt::ISODate);
  if (!identity.productionDate.isValid() || identity.productionDate.year() < 2000 ||
      identity.productionDate.year() > 2255)
    return Fail("bad --date");
  bool ok = false;
  identity.otk = parser.value("otk").toInt(&ok);
  if (!ok || identity.otk < 0 || identity.otk > 255) return Fail("bad --otk");

  quint16 problems = 0;
  if (!ParseHex16(parser.value("problems"), problems)) return Fail("bad --problems");

  LineBehaviour behaviour;
  behaviour.syncType = parser.value("sync").toInt(&ok);
  if (!ok || behaviour.syncType < 0 || behaviour.syncType > 2) return Fail("bad --sync");
  behaviour.paced = parser.isSet("paced");

  FaultPlan faults;
  if (parser.isSet("fault")) {
    const Fault kind = FaultFromName(parser.value("fault"));
    if (kind == Fault::None) return Fail("unknown --fault kind");
    faults.SetKind(kind);
    if (parser.isSet("fault-every")) {
      const int every = parser.value("fault-every").toInt(&ok);
      if (!ok || every < 1) return Fail("bad --fault-every");
      faults.SetEvery(every);
    } else if (parser.isSet("fault-rate")) {
      const double rate = parser.value("fault-rate").toDouble(&ok);
      if (!ok || rate < 0 || rate > 1) return Fail("bad --fault-rate");
      faults.SetRate(rate, parser.value("seed").toUInt());
    } else {
      faults.SetEvery(1);
    }
  }

  QString path, error;
  std::unique_ptr<SimPort> port;
  if (parser.isSet("pty")) {
    port = OpenPseudoTerminal(path, error);
  } else if (parser.isSet("device")) {
    path = parser.value("device");
    port = OpenDevice(path, error);
  } else {
    return Fail("give --pty or --device PATH (see --help)");
  }
  if (!port) return Fail("cannot open the line: " + error);
  std::printf("%s\n", qPrintable(path));
  std::fflush(stdout);

  ControllerModel model(identity);
  model.SetProblems(problems);
  MaintenanceCommands maintenance(model);
  std::atomic<bool> stop{false};
  // Standard input closing ends the simulator, so a parent that dies takes it along.
  Console console(model, faults);
  std::thread reader([&stop, &console] {
    std::string line;
    while (std::getline(std::cin, line)) {
      const QString error = console.Execute(QString::fromStdString(line));
      if (!error.isEmpty()) std::fprintf(stderr, "vor-sim: %s\n", qPrintable(error));
    }
    stop = true;
  });
  reader.detach();

  Simulator simulator(*port, model, faults, behaviour);
  simulator.Run(stop);
  return 0;
}
