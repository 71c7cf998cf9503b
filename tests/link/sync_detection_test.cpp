#include <QTest>

#include "link/sync_detection.h"
#include "scripted_line.h"

using namespace vor;

namespace {

struct RecordingSettings : SyncSettings {
  int index = 7;  // "unchanged" marker
  int refreshed = 0;
  int SyncIndex() const override { return index; }
  void SetSyncIndex(int i) override { index = i; }
  void RefreshProfileView() override { ++refreshed; }
};

}  // namespace

class SyncDetectionTest : public QObject {
  Q_OBJECT

 private slots:
  void firstDetection_data() {
    QTest::addColumn<QString>("script");  // hex bytes, "." one empty read
    QTest::addColumn<int>("expected");
    QTest::newRow("idle bytes") << "F0F0F0F0" << 1;
    QTest::newRow("sync frame") << "55A41FA91234" << 2;
    QTest::newRow("noise skipped") << "3C9155A41FA9" << 2;
    QTest::newRow("wrong third byte") << "55A420A9" << 7;
    QTest::newRow("silent") << "" << 0;
    QTest::newRow("start after three empty reads") << "...F0F0F0F0" << 1;
    QTest::newRow("start after four empty reads") << "....F0F0F0F0" << 0;
    QTest::newRow("rest missing") << "55A4" << 7;
  }
  void firstDetection() {
    QFETCH(QString, script);
    QFETCH(int, expected);
    ScriptedLine line = Script(script);
    RecordingSettings settings;
    DetectVORType(line, settings);
    QCOMPARE(settings.index, expected);
    QCOMPARE(settings.refreshed, 1);
  }

  void workerDetection_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("expected");
    QTest::newRow("idle bytes") << "F0F0F0F0" << 1;
    QTest::newRow("start after three empty reads") << "...55A41FA9" << 2;
    QTest::newRow("start after four empty reads is not trusted") << "....55A41FA9" << 7;
    QTest::newRow("start after six empty reads") << "......F0F0F0F0" << 7;
    QTest::newRow("seven empty reads") << ".......F0F0F0F0" << 0;
  }
  void workerDetection() {
    QFETCH(QString, script);
    QFETCH(int, expected);
    ScriptedLine line = Script(script);
    RecordingSettings settings;
    DetectSyncType(line, settings, false);
    QCOMPARE(settings.index, expected);
  }

  void workerDetectionSkippedOnceModelChecked() {
    ScriptedLine line = ScriptedLine::FromHex("F0F0F0F0");
    RecordingSettings settings;
    DetectSyncType(line, settings, true);
    QCOMPARE(settings.index, 7);
    QCOMPARE(settings.refreshed, 0);
    QCOMPARE(line.reads, 0);
  }

  void endlessNoiseCountsAsSilent() {
    ScriptedLine line;
    for (int i = 0; i < 5000; ++i) line.script.append(quint8(0x3C));
    RecordingSettings settings;
    DetectVORType(line, settings);
    QCOMPARE(settings.index, 0);
    QCOMPARE(line.reads, kMaxPassedOverBytes);
  }

 private:
  static ScriptedLine Script(const QString& text) {
    ScriptedLine line;
    for (int i = 0; i < text.size();) {
      if (text[i] == '.') {
        line.Empty(1);
        ++i;
      } else {
        line.Bytes(text.mid(i, 2).toLatin1().constData());
        i += 2;
      }
    }
    return line;
  }
};

QTEST_APPLESS_MAIN(SyncDetectionTest)
#include "sync_detection_test.moc"
