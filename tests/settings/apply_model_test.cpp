#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "recording_views.h"
#include "settings/application_settings.h"
#include "settings/settings_store.h"
#include "ui/message_recorder.h"

using namespace vor;

namespace {

CatalogueTable Table(int columns, const QList<QStringList>& rows) {
  CatalogueTable table(columns);
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) table.SetCell(r, c, rows[r][c]);
  return table;
}

// Rows 3, 10, 15 and 24 of profile P1 are "PR": 20 functions remain.
CatalogueTable FunctionTable() {
  QList<QStringList> rows{{"NF", "P1T", "P1", "P2T", "P2"}};
  for (int r = 1; r <= 24; ++r) {
    const bool reserved = r == 3 || r == 10 || r == 15 || r == 24;
    rows.append(
        {QString::number(r), reserved ? "PR" : "PF", QStringLiteral("ф %1").arg(r), "PR", "x"});
  }
  return Table(5, rows);
}

// Column TA: odd criteria and counters 1 and 13; a row labelled otherwise counts for neither.
CatalogueTable ProphylaxisTable() {
  QList<QStringList> rows{{"N", "TA"}, {"X1", "да"}};
  for (int i = 1; i <= 10; ++i) rows.append({QStringLiteral("K%1").arg(i), i % 2 ? "да" : "не"});
  for (int j = 1; j <= 13; ++j)
    rows.append({QStringLiteral("B%1").arg(j), j == 1 || j == 13 ? "да" : "не"});
  return Table(2, rows);
}

}  // namespace

class ApplyModelTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QtSettingsStore> store_;
  std::unique_ptr<ui::MessageRecorder> messages_;
  std::unique_ptr<test::RecordingViews> views_;
  std::unique_ptr<TApplicationSettings> settings_;

  // code, version, keys, key choice, key size, memory, clock, PF table, prophylaxis,
  // parameters, problems, sync
  const CatalogueTable models_ = Table(
      13,
      {{"N", "Модел:", "Версия"},
       {"1", "0A01", "0100", "999", "да", "16", "S1", "да", "P1", "A", "да", "не", "RFID"},
       {"2", "0A01", "0200", "128", "не", "8", "не", "не", "не", "не", "не", "да", "Net"},
       {"3", "0B01", "0100", "128", "да", "8", "S9", "да", "P9", "Z", "да", "да", "Auto"},
       {"4", "0C01", "0100", "много", "да", "голям", "не", "да", "P2", "не", "да", "да", "Net"}});
  const CatalogueTable keysScheme_ =
      Table(3, {{"N", "S1"}, {"1", "16/4064"}, {"2", ""}, {"3", "32/4048"}});
  const CatalogueTable prophylaxis_ = ProphylaxisTable();
  const CatalogueTable functions_ = FunctionTable();

  void Apply(const QString& text) {
    messages_->shown.clear();
    settings_->ApplyModel(text, models_, keysScheme_, prophylaxis_, functions_);
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<QtSettingsStore>(dir_->filePath("settings.conf"));
    messages_ = std::make_unique<ui::MessageRecorder>();
    views_ = std::make_unique<test::RecordingViews>();
    settings_ = std::make_unique<TApplicationSettings>(*store_, *messages_, views_->views, nullptr);
    settings_->LoadFromRegistry();
    TProfiles other;
    other.ProfileName = "Друг";
    settings_->AddProfile(other);
    settings_->ActivateProfile(1);
  }

  void exactModelBecomesTheActiveSettings() {
    const auto labels = views_->labels;
    views_->views.Remove("CR3");  // a page without this row
    views_->shown["CR3"] = false;
    Apply("0A01-0100");

    QCOMPARE(messages_->Texts(), QStringList{"Зареден е профил за модел 0A01-0100!"});
    QCOMPARE(messages_->shown[0].kind, int(ui::Notice));
    QCOMPARE(messages_->shown[0].title, QString("-Уведомление-"));
    QCOMPARE(settings_->SyncName, QString("RFID"));
    QCOMPARE(settings_->SyncIndex.load(), 3);  // only the name changes
    QCOMPARE(settings_->ModelText, QString("0A01-0100"));
    QCOMPARE(settings_->KeyLength, 16);
    QVERIFY(settings_->Timer);
    QCOMPARE(settings_->KeysMax, 999);
    QCOMPARE(settings_->UsedKeys, -1);
    QCOMPARE(settings_->PFTableName, QString("P1"));
    QVERIFY(settings_->Parameters);
    QVERIFY(!settings_->ProblemsAndReminders);
    QVERIFY(settings_->Profilactic);
    QCOMPARE(settings_->ProphylaxisTableName, QString("A"));
    QVERIFY(settings_->Memory);
    QCOMPARE(settings_->ActiveProfileID, 1);
    QCOMPARE(views_->labels, labels);

    QCOMPARE(settings_->ProgramFunction, 20);
    QCOMPARE(settings_->PFNames.mid(0, 4), QStringList({"ф 1", "ф 2", "ф 4", "ф 5"}));
    QCOMPARE(views_->ShownRows("Panel_P").size(), 20);
    QVERIFY(!views_->shown["Panel_P20"]);
    QCOMPARE(views_->captions["Panel_P00"], QString("  0.  ф  1"));
    QCOMPARE(views_->captions["Panel_P19"], QString("19.  ф  23"));

    QCOMPARE(settings_->CriteriaFlags.size(), 10);
    QCOMPARE(settings_->CounterFlags.size(), 13);
    QCOMPARE(views_->ShownRows("CR"), QStringList({"CR1", "CR5", "CR7", "CR9"}));
    QCOMPARE(views_->ShownRows("BR"), QStringList({"BR1", "BR13"}));

    QCOMPARE(settings_->KeyPositionTexts, QStringList({"Поз.  1  -    16  кл.  (4064  памет)",
                                                       "Поз.  2  -    32  кл.  (4048  памет)"}));
  }

  void otherVersionOfAKnownCodeWarnsAndApplies() {
    Apply("0A01-0150");
    QCOMPARE(messages_->Texts(),
             QStringList{"Няма профил с настройки за система 0A01-0150 зареден е най-близкият до "
                         "него 0A01-0100! Възможно е при работа с програмата да имате проблеми с "
                         "някой функции и възможности! Моля истеглете си последната версия от "
                         "сайта на фирма TAVO!"});
    QCOMPARE(messages_->shown[0].kind, int(ui::Problem));
    QCOMPARE(messages_->shown[0].title, QString("-Проблем-"));
    QCOMPARE(messages_->shown[0].noCaption, QString("Да"));
    QCOMPARE(settings_->ModelText, QString("0A01-0100"));
  }

  void unknownCodeLoadsTheDefaultProfile() {
    Apply("0A02-0100");
    QCOMPARE(messages_->Texts(),
             QStringList{"Няма профил с настройки за система 0A02-0100 или подобен на него! "
                         "Зареден е стандартен Профил с ограничена функционалност! Моля "
                         "истеглете си последната версия от сайта на фирма TAVO!"});
    QCOMPARE(settings_->ActiveProfileID, 0);
    QCOMPARE(settings_->ProgramFunction, 0);
    QCOMPARE(settings_->KeysMax, 64);
    QVERIFY(views_->ShownRows("Panel_P").isEmpty());
  }

  void tablesTheRowNamesButLacksGiveNothing() {
    Apply("0B01-0100");
    QCOMPARE(settings_->ProgramFunction, 0);
    QVERIFY(settings_->PFNames.isEmpty());
    QVERIFY(views_->ShownRows("Panel_P").isEmpty());
    QVERIFY(settings_->Profilactic);
    QCOMPARE(settings_->CriteriaFlags, QStringList(10, "не"));
    QVERIFY(views_->ShownRows("CR").isEmpty());
    QVERIFY(views_->ShownRows("BR").isEmpty());
    QVERIFY(settings_->KeyPositionTexts.isEmpty());
  }

  void noProphylaxisLeavesTheMaintenanceRows() {
    Apply("0A01-0100");
    const QStringList criteria = views_->ShownRows("CR");
    Apply("0A01-0200");
    QVERIFY(!settings_->Profilactic);
    QVERIFY(settings_->ProphylaxisTableName.isEmpty());
    QVERIFY(settings_->CriteriaFlags.isEmpty() && settings_->CounterFlags.isEmpty());
    QCOMPARE(views_->ShownRows("CR"), criteria);
    QVERIFY(!settings_->Memory);
    QVERIFY(settings_->KeyPositionTexts.isEmpty());  // 128 keys and no scheme
  }

  void capacityOrKeySizeThatIsNoNumberFallsBackToTheDefaultProfile() {
    Apply("0C01-0100");
    QCOMPARE(settings_->KeysMax, 64);
    QCOMPARE(settings_->KeyLength, 8);
    QCOMPARE(settings_->KeyPositionTexts, QStringList{"Поз.1 -   64  кл."});
    QCOMPARE(settings_->ProgramFunction, 0);  // P2 has no "PF" rows
  }
};

QTEST_MAIN(ApplyModelTest)
#include "apply_model_test.moc"
