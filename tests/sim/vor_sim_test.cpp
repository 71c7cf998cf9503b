#include <QProcess>
#include <QTest>

#include "link/frame_codec.h"
#include "link/serial_line.h"

using namespace vor;

// vor-sim as a person starts it, through the real serial backend on its pseudo-terminal.
class VorSimTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    sim_.start(VOR_SIM_PATH, {"--pty", "--model", "0301", "--version", "0007", "--date",
                              "2008-05-12", "--otk", "200"});
    QVERIFY(sim_.waitForReadyRead(5000));
    line_ = OpenLine(QString::fromLocal8Bit(sim_.readLine()).trimmed(), 9600).line;
    QVERIFY(line_);
  }
  void cleanup() {
    line_.reset();
    sim_.closeWriteChannel();
    QVERIFY(sim_.waitForFinished(3000));
  }

  void answersWithEchoAndReply_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("reply");
    QTest::newRow("ping") << "A5A500B6"
                          << "55A50FF7";
    QTest::newRow("date and OTK") << "A5A511210084"
                                  << "55A52D08050CC8";
    QTest::newRow("model and version") << "A5A511200085"
                                       << "55A52D03010007";
  }
  void answersWithEchoAndReply() {
    QFETCH(QString, request);
    QFETCH(QString, reply);
    const QByteArray frame = QByteArray::fromHex(request.toLatin1());
    const QByteArray got = Transact(frame, int(frame.size() + reply.size() / 2 + 1));
    QCOMPARE(BytesToHex(got.left(frame.size())), request);  // the echo
    const QByteArray answer = got.mid(frame.size());
    QCOMPARE(BytesToHex(answer.left(reply.size() / 2)), reply);
    QVERIFY(ChecksumHolds(answer));
    QCOMPARE(quint8(answer.at(2)) & 0x0F,
             int(CheckNibble(quint8(answer.at(0)), quint8(answer.at(1)), answer.at(2) >> 4)));
  }

  void standardInputChangesParameters() {
    sim_.write("param 2 0x77\nparam 3 9\n");
    QTest::qWait(100);
    const QByteArray frame = BuildFrame(0x02, QByteArray::fromHex("A5A5"), QByteArray(1, 2));
    QCOMPARE(BytesToHex(Transact(frame, 12).mid(6, 5)), QStringLiteral("55A51E7709"));
  }

 private:
  // Writes the frame and reads what comes back: echo, reply and its checksum.
  QByteArray Transact(const QByteArray& frame, int expected) {
    line_->Purge();
    if (!line_->WriteBytes(frame)) return {};
    quint8 buffer[64] = {};
    const ReadResult r = line_->ReadBytes(buffer, expected);
    return QByteArray(reinterpret_cast<char*>(buffer), r.count);
  }

  QProcess sim_;
  std::unique_ptr<SerialLine> line_;
};

QTEST_GUILESS_MAIN(VorSimTest)
#include "vor_sim_test.moc"
