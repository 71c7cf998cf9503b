#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "keys/users_files.h"
#include "keys/users_lst_format.h"
#include "ui/message_recorder.h"
#include "user_row_printing.h"

using namespace vor::keys;
using vor::ui::MessageRecorder;

namespace {

const QList<UserRow> kUsers = {{"0", "3", "Ана"}, {"1", "7", "Иван Петров"}, {"2", "12", "Вера"}};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

void VerifyProblem(const MessageRecorder& messages, const QString& text) {
  QCOMPARE(messages.shown.size(), 1);
  const MessageRecorder::Shown& shown = messages.shown[0];
  QCOMPARE(shown.kind, int(vor::ui::Problem));
  QCOMPARE(shown.title, "-Проблем-");
  QCOMPARE(shown.noCaption, "Да");
  QVERIFY2(shown.message.startsWith(text), qPrintable(shown.message));
}

}  // namespace

class UsersFilesTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString Path(const char* name) const { return dir_.filePath(name); }

 private slots:
  void init() {
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
  }

  void startLoadsUsersLstFromTheFolder() {
    Write(Path("Users.lst"), EncodeUsersLst(kUsers));
    UsersList users;
    users.SetRows({{"1", "9", "стар"}});
    QVERIFY(users.Sort(UsersList::NameColumn));
    MessageRecorder messages;
    LoadUsersAtStart(users, dir_.path(), messages);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(users.Users(), kUsers);
    QCOMPARE(users.SortStateOf(UsersList::NameColumn), UsersList::NotSorted);
  }

  void startWithoutUsersLstSaysSoAndListsNobody() {
    UsersList users;
    users.SetRows({{"1", "9", "стар"}});
    MessageRecorder messages;
    LoadUsersAtStart(users, dir_.path(), messages);
    VerifyProblem(messages, "Нямате Създаден Фаил с Потребителите!");
    QVERIFY(users.IsEmpty());
  }

  void interactiveLoadOfMissingFileKeepsTheList() {
    UsersList users;
    users.SetRows(kUsers);
    MessageRecorder messages;
    LoadUsersLst(users, Path("none.lst"), messages, nullptr);
    VerifyProblem(messages, "Нямате Създаден Фаил с Потребителите!");
    QCOMPARE(users.Users(), kUsers);
  }

  void changedCheckCharacterStopsTheLoad_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("rowsKept");
    QTest::newRow("key line") << 4 << "Грешен Файл1!" << 3;
    QTest::newRow("name line") << 3 << "Грешен Файл2!" << 2;
  }
  void changedCheckCharacterStopsTheLoad() {
    QFETCH(int, line);
    QFETCH(QString, message);
    QFETCH(int, rowsKept);
    QList<QByteArray> lines = EncodeUsersLst(kUsers).split('\n');
    QByteArray& changed = lines[line];
    changed[changed.size() - 2] = char(changed[changed.size() - 2] ^ 1);
    Write(Path("Users.lst"), lines.join('\n'));
    UsersList users;
    MessageRecorder messages;
    LoadUsersLst(users, Path("Users.lst"), messages, nullptr);
    VerifyProblem(messages, message);
    QCOMPARE(users.Count(), rowsKept);
    QCOMPARE(users.Row(0), kUsers[0]);
  }

  void failedSaveSaysSo() {
    UsersList users;
    users.SetRows(kUsers);
    MessageRecorder messages;
    SaveUsersLst(users, Path("no/such/folder/Users.lst"), messages, nullptr);
    VerifyProblem(messages, "Файлът не е записан:");
  }

  void csvExportAndImportRoundTrip() {
    UsersList users;
    users.SetRows({{"1", "7", "Иван;Петров"}, {"2", "12", ""}});
    MessageRecorder messages;
    ExportUsersCsv(users, Path("Users.csv"), messages, nullptr);
    QCOMPARE(ReadAll(Path("Users.csv")),
             QByteArray("1;7;\xC8\xE2\xE0\xED;\xCF\xE5\xF2\xF0\xEE\xE2\r\n"
                        "2;12;\r\n"));
    UsersList imported;
    imported.SetRows(kUsers);
    QVERIFY(imported.Sort(UsersList::KeyColumn));
    ImportUsersCsv(imported, Path("Users.csv"), messages, nullptr);
    QCOMPARE(imported.Users(), users.Users());
    QCOMPARE(imported.SortStateOf(UsersList::KeyColumn), UsersList::Ascending);
    QVERIFY(messages.shown.isEmpty());
  }

  void unreadableImportKeepsTheList() {
    UsersList users;
    users.SetRows(kUsers);
    MessageRecorder messages;
    ImportUsersCsv(users, Path("none.csv"), messages, nullptr);
    VerifyProblem(messages, "Файлът не може да бъде прочетен:");
    QCOMPARE(users.Users(), kUsers);
  }
};

QTEST_MAIN(UsersFilesTest)
#include "users_files_test.moc"
