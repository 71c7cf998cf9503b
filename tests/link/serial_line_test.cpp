#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>
#include <thread>

#include "link/memory_line.h"
#include "link/serial_line.h"

using namespace vor;
using namespace std::chrono_literals;

namespace {

// The controller's side of a pseudo-terminal whose other side the line under test opens.
struct PseudoTerminal {
  int master = -1;
  QString path;
  PseudoTerminal() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master);
    unlockpt(master);
    path = QString::fromLocal8Bit(ptsname(master));
  }
  ~PseudoTerminal() { close(master); }
  void Send(const QByteArray& bytes) const {
    QVERIFY(write(master, bytes.data(), bytes.size()) > 0);
  }
};

}  // namespace

class SerialLineTest : public QObject {
  Q_OBJECT

 private slots:
  void portNamesSortWithoutRegardToCase() {
    QCOMPARE(SortPortNames({"COM3", "com10", "COM1"}), QStringList({"COM1", "com10", "COM3"}));
  }

  void devicePathOfNamesAndPaths() {
    QCOMPARE(DevicePath("ttyUSB0"), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(DevicePath("/dev/pts/5"), QStringLiteral("/dev/pts/5"));
  }

  void missingPortReportsOpeningAndApplying() {
    const OpenResult result = OpenLine("/nonexistent/ttyS99", 9600);
    QVERIFY(!result.line);
    QCOMPARE(result.failures, QList<OpenFailure>({OpenFailure::Opening, OpenFailure::Applying}));
  }

  void pseudoTerminalOpensWithoutFailures() {
    PseudoTerminal pty;
    const OpenResult result = OpenLine(pty.path, 9600);
    QVERIFY(result.line);
    QVERIFY(result.failures.isEmpty());
  }

  // The same read semantics on both backends.
  void readReturnsWhatCameWithinTimeouts_data() {
    QTest::addColumn<bool>("pseudoTerminal");
    QTest::newRow("memory") << false;
    QTest::newRow("pseudo-terminal") << true;
  }
  void readReturnsWhatCameWithinTimeouts() {
    QFETCH(bool, pseudoTerminal);
    LineTimeouts t;
    t.readIntervalMs = 30;
    t.readTotalConstantMs = 400;
    t.readTotalMultiplierMs = 10;
    PseudoTerminal pty;
    MemoryLine memory;
    std::unique_ptr<SerialLine> line;
    std::function<void(const QByteArray&)> send;
    if (pseudoTerminal) {
      line = OpenLine(pty.path, 9600, t).line;
      send = [&pty](const QByteArray& b) { pty.Send(b); };
    } else {
      line = memory.HostEnd(t);
      send = [&memory](const QByteArray& b) { memory.toHost.Write(b.data(), int(b.size())); };
    }
    QVERIFY(line);
    quint8 buffer[16];
    QElapsedTimer clock;

    // All that was asked for, at once.
    send(QByteArray::fromHex("55A50FF7"));
    QCOMPARE(line->ReadBytes(buffer, 4).count, 4);
    QCOMPARE(buffer[3], quint8(0xF7));

    // Nothing comes: the total time-out, 400 + 10 * 2 ms.
    clock.start();
    ReadResult r = line->ReadBytes(buffer, 2);
    QCOMPARE(r.count, 0);
    QVERIFY(r.ok);
    QVERIFY2(clock.elapsed() >= 415 && clock.elapsed() < 700,
             qPrintable(QString::number(clock.elapsed())));

    // Two bytes then silence: the interval time-out ends the read early.
    send(QByteArray::fromHex("0102"));
    clock.restart();
    r = line->ReadBytes(buffer, 8);
    QCOMPARE(r.count, 2);
    QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));

    // Purge drops what waits.
    send(QByteArray::fromHex("0304"));
    std::this_thread::sleep_for(20ms);
    line->Purge();
    QCOMPARE(line->ReadBytes(buffer, 2).count, 0);
  }

  void writeReachesTheOtherEnd() {
    PseudoTerminal pty;
    std::unique_ptr<SerialLine> line = OpenLine(pty.path, 9600).line;
    QVERIFY(line->WriteBytes(QByteArray::fromHex("A5A500B6")));
    char buffer[8] = {};
    std::this_thread::sleep_for(20ms);
    QCOMPARE(read(pty.master, buffer, sizeof buffer), ssize_t(4));
    QCOMPARE(QByteArray(buffer, 4).toHex().toUpper(), QByteArray("A5A500B6"));
  }

  void vanishedLineFailsReadsAndWrites_data() {
    QTest::addColumn<bool>("pseudoTerminal");
    QTest::newRow("memory") << false;
    QTest::newRow("pseudo-terminal") << true;
  }
  void vanishedLineFailsReadsAndWrites() {
    QFETCH(bool, pseudoTerminal);
    quint8 buffer[4];
    QElapsedTimer clock;
    if (pseudoTerminal) {
      auto pty = std::make_unique<PseudoTerminal>();
      std::unique_ptr<SerialLine> line = OpenLine(pty->path, 9600).line;
      pty.reset();  // the controller's side goes away
      clock.start();
      QVERIFY(!line->ReadBytes(buffer, 4).ok);
    } else {
      MemoryLine memory;
      std::unique_ptr<SerialLine> line = memory.HostEnd();
      memory.Vanish();
      clock.start();
      QVERIFY(!line->ReadBytes(buffer, 4).ok);
      QVERIFY(!line->WriteBytes("x"));
    }
    QVERIFY(clock.elapsed() < 300);  // at once, not after the 700 ms time-out
  }
};

QTEST_APPLESS_MAIN(SerialLineTest)
#include "serial_line_test.moc"
