#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "recording_views.h"
#include "settings/application_settings.h"
#include "settings/settings_store.h"
#include "ui/message_recorder.h"

using namespace vor;

namespace {

const QString kProfiles = "Application Settings/Profils Settings";

TProfiles Profile(const QString& name, int programFunction = 24, const QString& sync = "auto") {
  TProfiles profile;
  profile.ProfileName = name;
  profile.ProgramFunction = programFunction;
  profile.Synchronization = sync;
  return profile;
}

}  // namespace

class ApplicationSettingsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QtSettingsStore> store_;
  std::unique_ptr<ui::MessageRecorder> messages_;
  std::unique_ptr<test::RecordingViews> views_;
  QStringList plain_;

  QString StorePath() const { return dir_->filePath("settings.conf"); }

  std::unique_ptr<TApplicationSettings> Settings() {
    return std::make_unique<TApplicationSettings>(
        *store_, *messages_, views_->views, [this](const QString& text) { plain_.append(text); });
  }

  // A fresh store with the default profile and `extra` profiles, profile `active` active.
  std::unique_ptr<TApplicationSettings> Stored(const QStringList& extra, int active) {
    auto settings = Settings();
    settings->LoadFromRegistry();
    for (const QString& name : extra) settings->AddProfile(Profile(name));
    settings->ActivateProfile(active);
    plain_.clear();
    messages_->shown.clear();
    return settings;
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<QtSettingsStore>(StorePath());
    messages_ = std::make_unique<ui::MessageRecorder>();
    views_ = std::make_unique<test::RecordingViews>();
    plain_.clear();
  }

  void firstStartLoadsTheDefaultProfile() {
    auto settings = Settings();
    settings->LoadFromRegistry();
    QCOMPARE(plain_, QStringList{"Няма записани профили! Зареден е само Default Profile!"});
    QCOMPARE(settings->Profiles().size(), size_t(1));
    TProfiles expected;
    expected.SetDefaults();
    QCOMPARE(settings->Profiles()[0].profile, expected);
    QCOMPARE(settings->ActiveProfileID, 0);
    QVERIFY(settings->AutoSettings);
    QCOMPARE(settings->KeyLength, 8);
    QVERIFY(!settings->Timer);
    QCOMPARE(settings->KeysMax, 64);
    QCOMPARE(settings->UsedKeys, 16);
    QCOMPARE(settings->ProgramFunction, 0);
    QVERIFY(settings->ProblemsAndReminders && settings->Parameters && settings->Profilactic);
    QVERIFY(!settings->Memory);
    QCOMPARE(views_->items, QStringList{"* Default Profile"});
    QCOMPARE(views_->current, 0);
    QVERIFY(views_->autoChecked);
    QCOMPARE(views_->labels[kProfileLabel], QString("Ауто/Модел"));
    QCOMPARE(views_->labels[kSyncLabel], QString("Auto"));
  }

  void savedProfilesKeepTheStoredFormat() {
    auto settings = Stored({"Втори"}, 1);
    settings->ComPort = "COM3";
    QVERIFY(settings->SaveToRegistry());

    QSettings raw(StorePath(), QSettings::IniFormat);
    raw.beginGroup(kProfiles);
    QCOMPARE(raw.childGroups(), QStringList({"000:Default Profile", "001:Втори"}));
    raw.endGroup();
    const QString second = kProfiles + "/001:Втори/";
    QCOMPARE(raw.value(second + "KeysMax").toString(), QString("999"));
    QCOMPARE(raw.value(second + "Timer").toString(), QString("1"));
    QCOMPARE(raw.value(kProfiles + "/000:Default Profile/Memory").toString(), QString("0"));
    QCOMPARE(raw.value("Application Settings/ActiveProfileID").toString(), QString("1"));
    QCOMPARE(raw.value("Application Settings/ComPort").toString(), QString("COM3"));

    auto loaded = Settings();
    loaded->LoadFromRegistry();
    QVERIFY(plain_.isEmpty());
    QCOMPARE(loaded->Profiles().size(), size_t(2));
    QCOMPARE(loaded->Profiles()[1].profile, settings->Profiles()[1].profile);
    QCOMPARE(loaded->ActiveProfileID, 1);
    QCOMPARE(loaded->ComPort, QString("COM3"));
    QCOMPARE(views_->items, QStringList({"  Default Profile", "* Втори"}));
    QCOMPARE(views_->current, 1);
  }

  void unreadableValueLoadsItsDefault_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("KeysMax") << "KeysMax"
                             << "abc";
    QTest::newRow("missing KeysMax") << "KeysMax" << QString();
  }

  void unreadableValueLoadsItsDefault() {
    QFETCH(QString, value);
    QFETCH(QString, text);
    Stored({"Втори"}, 0)->SaveToRegistry();
    const QString path = kProfiles + "/001:Втори/" + value;
    {
      QSettings raw(StorePath(), QSettings::IniFormat);
      if (text.isNull())
        raw.remove(path);
      else
        raw.setValue(path, text);
    }
    auto loaded = Settings();
    loaded->LoadFromRegistry();
    QCOMPARE(loaded->Profiles()[1].profile.KeysMax, 999);
  }

  void savingForgetsDeletedAndRenamedProfiles() {
    auto settings = Stored({"A", "B", "C"}, 0);
    QVERIFY(settings->SaveToRegistry());
    settings->DeleteProfile(1);
    views_->fields = {"C2", "Net", "8 byte", "64", "16", "8", true, true, true, true, true};
    settings->ModifyProfile(2);
    QVERIFY(settings->SaveToRegistry());

    auto loaded = Settings();
    loaded->LoadFromRegistry();
    // Only the deletion notice: no stale subkey came back as a refused duplicate.
    QCOMPARE(messages_->Texts(), QStringList{"Профил A е изтрит!"});
    QStringList names;
    for (const auto& entry : loaded->Profiles()) names.append(entry.profile.ProfileName);
    QCOMPARE(names, QStringList({"Default Profile", "B", "C2"}));
  }

  void separatorInANameStaysOneProfile() {
    auto settings = Stored({"A/B\\C"}, 0);
    QVERIFY(settings->SaveToRegistry());
    auto loaded = Settings();
    loaded->LoadFromRegistry();
    QCOMPARE(loaded->Profiles().size(), size_t(2));
    QCOMPARE(loaded->Profiles()[1].profile.ProfileName, QString("A/B\\C"));
  }

  void storedIndexOutOfRangeLeavesNoProfileActive() {
    auto settings = Stored({"A"}, 1);
    settings->ActiveProfileID = 7;
    QVERIFY(settings->SaveToRegistry());
    auto loaded = Settings();
    loaded->LoadFromRegistry();
    QCOMPARE(loaded->ActiveProfileID, -1);
    QCOMPARE(views_->current, -1);
    QCOMPARE(views_->items, QStringList({"  Default Profile", "  A"}));
  }

  void duplicateNameIsRefusedRegardlessOfCase() {
    auto settings = Stored({"Офис"}, 0);
    settings->AddProfile(Profile("оФИС"));
    QCOMPARE(settings->Profiles().size(), size_t(2));
    QCOMPARE(messages_->Texts(), QStringList{"Профил с Име оФИС вече съществува!"});
    QCOMPARE(messages_->shown[0].kind, int(ui::Problem));
    QCOMPARE(messages_->shown[0].title, QString("-Проблем-"));
  }

  void deleteKeepsTheActiveProfile_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("activeAfter");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("default profile")
        << 0 << 2 << 2 << int(ui::Problem) << "Default Profile не може да бъде изтрит!";
    QTest::newRow("active profile")
        << 2 << 2 << 2 << int(ui::Problem) << "Профил P2 е активен и не може да бъде изтрит!";
    QTest::newRow("before the active one")
        << 3 << 5 << 4 << int(ui::Notice) << "Профил P3 е изтрит!";
    QTest::newRow("after the active one")
        << 4 << 1 << 1 << int(ui::Notice) << "Профил P4 е изтрит!";
  }

  void deleteKeepsTheActiveProfile() {
    QFETCH(int, index);
    QFETCH(int, active);
    QFETCH(int, activeAfter);
    QFETCH(int, kind);
    QFETCH(QString, message);
    auto settings = Stored({"P1", "P2", "P3", "P4", "P5"}, active);
    const QString activeName = settings->Profiles()[active].profile.ProfileName;
    const size_t count = settings->Profiles().size();
    settings->DeleteProfile(index);
    QCOMPARE(messages_->Texts(), QStringList{message});
    QCOMPARE(messages_->shown[0].kind, kind);
    QCOMPARE(settings->Profiles().size(), kind == ui::Notice ? count - 1 : count);
    QCOMPARE(settings->ActiveProfileID, activeAfter);
    QCOMPARE(settings->Profiles()[activeAfter].profile.ProfileName, activeName);
    QCOMPARE(views_->items[activeAfter], "* " + activeName);
  }

  void modifyRefusesDefaultAndActiveProfiles_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("message");
    QTest::newRow("default") << 0 << "Default Profile не може да бъде Променян!";
    QTest::newRow("active") << 1 << "Активен Профил не може да бъде Променян!";
    QTest::newRow("other") << 2 << QString();
  }

  void modifyRefusesDefaultAndActiveProfiles() {
    QFETCH(int, index);
    QFETCH(QString, message);
    auto settings = Stored({"A", "B"}, 1);
    const TProfiles before = settings->Profiles()[index].profile;
    const ProfileFields typed{"Нов", "RFID", "16 byte", "128", "64", "8",
                              false, false,  true,      false, true};
    views_->fields = typed;
    settings->ModifyProfile(index);
    if (message.isEmpty()) {
      QVERIFY(messages_->shown.isEmpty());
      const TProfiles& after = settings->Profiles()[index].profile;
      QCOMPARE(after.ProfileName, QString("Нов"));
      QCOMPARE(after.KeyLength, 16);
      QCOMPARE(after.KeysMax, 128);
      QCOMPARE(after.ProgramFunction, 8);
      QCOMPARE(settings->Profiles()[index].key, QString("B"));  // the key stays until activation
      QCOMPARE(views_->items[index], QString("  Нов"));
    } else {
      QCOMPARE(messages_->Texts(), QStringList{message});
      QCOMPARE(settings->Profiles()[index].profile, before);
      QCOMPARE(views_->fields.name, before.ProfileName);  // the fields are refilled
    }
  }

  void keyLengthBoxThatIsNoNumberKeepsTheLength() {
    TProfiles profile;
    profile.KeyLength = 16;
    views_->fields = {"X", "Net", "wide", "64", "16", "0", false, false, false, false, false};
    profile.LoadFromForm(*views_);
    QCOMPARE(profile.KeyLength, 16);
    profile.ShowOnForm(*views_);
    QCOMPARE(views_->fields.keyLength, QString("16 byte"));
  }

  void activationShowsGenericFunctionRows() {
    auto settings = Stored({}, 0);
    settings->AddProfile(Profile("Осем", 8, "RFID"));
    settings->ActivateProfile(1);
    QCOMPARE(views_->ShownRows("Panel_P"),
             QStringList({"Panel_P00", "Panel_P01", "Panel_P02", "Panel_P03", "Panel_P04",
                          "Panel_P05", "Panel_P06", "Panel_P07"}));
    QCOMPARE(views_->captions["Panel_P00"], QString(" 0.  Функция  0"));
    QCOMPARE(views_->captions["Panel_P07"], QString(" 7.  Функция  7"));
    QCOMPARE(settings->PFNames.size(), 8);
    QCOMPARE(settings->SyncIndex.load(), 2);
    QCOMPARE(settings->ActiveProfileName, QString("Осем"));
    QCOMPARE(settings->KeyPositionTexts.size(), 8);  // 999 keys

    settings->AddProfile(Profile("Много", 24));
    settings->ActivateProfile(2);
    QCOMPARE(views_->ShownRows("Panel_P").size(), 24);
    QCOMPARE(views_->captions["Panel_P12"], QString("12. Функция 12"));
  }

  void activationRenamesEntriesToTheirProfiles() {
    auto settings = Stored({"A", "B"}, 1);
    views_->fields = {"Б2", "Net", "8 byte", "64", "16", "0", false, false, false, false, false};
    settings->ModifyProfile(2);
    settings->ActivateProfile(2);
    QCOMPARE(settings->Profiles()[2].key, QString("Б2"));
    QVERIFY(settings->ModelText.isEmpty());
  }

  void autoRecognitionSwitchesTheSyncType_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("syncIndex");
    QTest::addColumn<QString>("profileLabel");
    QTest::newRow("confirmed") << 1 << 2 << "RF";
    QTest::newRow("declined") << 2 << 3 << "Ауто/Модел";
  }

  void autoRecognitionSwitchesTheSyncType() {
    QFETCH(int, answer);
    QFETCH(int, syncIndex);
    QFETCH(QString, profileLabel);
    auto settings = Stored({}, 0);
    settings->AddProfile(Profile("RF", 0, "RFID"));
    settings->ActivateProfile(1);
    settings->SetAutoRecognition(true);  // already on: nothing asked
    QVERIFY(messages_->shown.isEmpty());
    settings->SyncIndex = 3;
    messages_->answers = {answer};
    settings->SetAutoRecognition(false);
    QCOMPARE(messages_->Texts(),
             QStringList{"Желаете ли автоматично разпознаване на модел да бъде деактивирано?"});
    QCOMPARE(messages_->shown[0].noCaption, QString("Отказ"));
    QCOMPARE(settings->SyncIndex.load(), syncIndex);
    QCOMPARE(views_->labels[kProfileLabel], profileLabel);
    QCOMPARE(views_->labels[kActiveProfileLabel], profileLabel);
    QCOMPARE(views_->labels[kSyncLabel], kSyncNames[syncIndex]);
    QCOMPARE(views_->autoChecked, answer != 1);

    messages_->answers = {1};
    settings->SetAutoRecognition(true);
    QCOMPARE(settings->SyncIndex.load(), 3);
    QVERIFY(settings->AutoSettings);
  }

  void refreshKeepsTheSelectionAndMarksTheActiveEntry() {
    auto settings = Stored({"A", "B"}, 2);
    views_->current = 1;
    settings->SyncIndex = -1;
    settings->RefreshProfileView();
    QCOMPARE(views_->items, QStringList({"  Default Profile", "  A", "* B"}));
    QCOMPARE(views_->current, 1);
    QCOMPARE(views_->labels[kSyncLabel], QString());
  }
};

QTEST_MAIN(ApplicationSettingsTest)
#include "application_settings_test.moc"
