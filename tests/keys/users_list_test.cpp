#include <QTest>

#include "keys/users_list.h"
#include "loaded_rows.h"
#include "user_row_printing.h"

using namespace vor::keys;

class UsersListTest : public QObject {
  Q_OBJECT

 private slots:
  void proposesSmallestFreeKeyNumber_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("proposed");
    QTest::newRow("empty list") << QStringList() << 1;
    QTest::newRow("gap") << QStringList{"1", "2", "4"} << 3;
    QTest::newRow("no gap") << QStringList{"2", "1", "3"} << 4;
    QTest::newRow("text compared exactly") << QStringList{"01", "2"} << 1;
  }
  void proposesSmallestFreeKeyNumber() {
    QFETCH(QStringList, keys);
    QFETCH(int, proposed);
    UsersList users;
    QList<QPair<QString, QString>> rows;
    for (const QString& key : keys) rows.append({key, "n"});
    users.SetRows(Loaded(rows));
    QCOMPARE(users.ProposedKeyNumber(), proposed);
  }

  void addFillsEmptyListThenNumbersByRowCount() {
    UsersList users;
    QVERIFY(users.IsEmpty());
    QCOMPARE(users.Add(1, "Ана"), 0);
    QCOMPARE(users.Count(), 1);
    QCOMPARE(users.Row(0), (UserRow{"1", "1", "Ана"}));

    users.SetRows(Loaded({{"4", "a"}, {"7", "b"}}));
    QCOMPARE(users.Add(5, "c"), 2);
    QCOMPARE(users.Row(2), (UserRow{"3", "5", "c"}));
  }

  void addRefusesTakenKeyNumber() {
    UsersList users;
    users.SetRows(Loaded({{"1", "a"}, {"2", "b"}}));
    QCOMPARE(users.Add(2, "c"), -1);
    QCOMPARE(users.Users(), Loaded({{"1", "a"}, {"2", "b"}}));
  }

  void editRenumbersFromOne() {
    UsersList users;
    users.SetRows(Loaded({{"1", "a"}, {"2", "b"}, {"3", "c"}}));
    users.Edit(1, 9, "x");
    QCOMPARE(users.Users(), (QList<UserRow>{{"1", "1", "a"}, {"2", "9", "x"}, {"3", "3", "c"}}));
  }

  void removeMovesUsersUpUnderTheirNumbers_data() {
    QTest::addColumn<QList<UserRow>>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<UserRow>>("left");
    const QList<UserRow> three = Loaded({{"1", "a"}, {"2", "b"}, {"3", "c"}});
    QTest::newRow("only user") << Loaded({{"1", "a"}}) << 0 << QList<UserRow>{};
    QTest::newRow("first") << three << 0 << QList<UserRow>{{"0", "2", "b"}, {"1", "3", "c"}};
    QTest::newRow("middle") << three << 1 << QList<UserRow>{{"0", "1", "a"}, {"1", "3", "c"}};
    QTest::newRow("last") << three << 2 << three.first(2);
  }
  void removeMovesUsersUpUnderTheirNumbers() {
    QFETCH(QList<UserRow>, rows);
    QFETCH(int, row);
    QFETCH(QList<UserRow>, left);
    UsersList users;
    users.SetRows(rows);
    users.Remove(row);
    QCOMPARE(users.Users(), left);
    QCOMPARE(users.Count(), std::max<int>(1, left.size()));
  }

  void sorts_data() {
    QTest::addColumn<QList<UserRow>>("rows");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<UserRow>>("sorted");
    QTest::addColumn<int>("nameState");
    QTest::addColumn<int>("keyState");
    const int name = UsersList::NameColumn;
    const int key = UsersList::KeyColumn;
    const QList<UserRow> people = {{"1", "3", "Борис"}, {"2", "1", "ана"}, {"3", "2", "Вера"}};
    QTest::newRow("name ascending, case ignored")
        << people << QList<int>{name}
        << QList<UserRow>{{"0", "1", "ана"}, {"1", "3", "Борис"}, {"2", "2", "Вера"}} << 1 << 0;
    QTest::newRow("name twice descends")
        << people << QList<int>{name, name}
        << QList<UserRow>{{"0", "2", "Вера"}, {"1", "3", "Борис"}, {"2", "1", "ана"}} << 2 << 0;
    QTest::newRow("name thrice ascends again")
        << people << QList<int>{name, name, name}
        << QList<UserRow>{{"0", "1", "ана"}, {"1", "3", "Борис"}, {"2", "2", "Вера"}} << 1 << 0;
    QTest::newRow("key keeps its own state")
        << people << QList<int>{name, name, key}
        << QList<UserRow>{{"0", "1", "ана"}, {"1", "2", "Вера"}, {"2", "3", "Борис"}} << 2 << 1;
    QTest::newRow("key numbers by value up to 999")
        << Loaded({{"300", "a"}, {"5", "b"}, {"040", "c"}}) << QList<int>{key}
        << QList<UserRow>{{"0", "5", "b"}, {"1", "40", "c"}, {"2", "300", "a"}} << 0 << 1;
    QTest::newRow("1000 before 999")
        << Loaded({{"999", "a"}, {"1000", "b"}}) << QList<int>{key}
        << QList<UserRow>{{"0", "1000", "b"}, {"1", "999", "a"}} << 0 << 1;
    QList<QPair<QString, QString>> same;
    for (int i = 0; i < 11; ++i) same.append({QString::number(i), i % 2 ? "ivan" : "Ivan"});
    QList<UserRow> byIndexText;
    for (int formerIndex : {0, 1, 10, 2, 3, 4, 5, 6, 7, 8, 9})
      byIndexText.append({QString::number(byIndexText.size()), QString::number(formerIndex),
                          formerIndex % 2 ? "ivan" : "Ivan"});
    QTest::newRow("ties by former index as text")
        << Loaded(same) << QList<int>{name} << byIndexText << 1 << 0;
    QTest::newRow("descending reverses ties too")
        << Loaded({{"1", "x"}, {"2", "a"}, {"3", "X"}}) << QList<int>{name, name}
        << QList<UserRow>{{"0", "3", "X"}, {"1", "1", "x"}, {"2", "2", "a"}} << 2 << 0;
  }
  void sorts() {
    QFETCH(QList<UserRow>, rows);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<UserRow>, sorted);
    QFETCH(int, nameState);
    QFETCH(int, keyState);
    UsersList users;
    users.SetRows(rows);
    for (int column : clicks) QVERIFY(users.Sort(UsersList::Column(column)));
    QCOMPARE(users.Users(), sorted);
    QCOMPARE(int(users.SortStateOf(UsersList::NameColumn)), nameState);
    QCOMPARE(int(users.SortStateOf(UsersList::KeyColumn)), keyState);
  }

  void sortAscendingIgnoresState() {
    UsersList users;
    users.SetRows(Loaded({{"2", "a"}, {"1", "b"}}));
    QVERIFY(users.Sort(UsersList::KeyColumn));
    QVERIFY(users.SortAscending(UsersList::KeyColumn));
    QCOMPARE(users.KeyNumberText(0), "1");
    QCOMPARE(users.SortStateOf(UsersList::KeyColumn), UsersList::Ascending);
  }

  void keyNotAWholeNumberRefusesSort_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("by name") << int(UsersList::NameColumn);
    QTest::newRow("by key number") << int(UsersList::KeyColumn);
  }
  void keyNotAWholeNumberRefusesSort() {
    QFETCH(int, column);
    const QList<UserRow> rows = Loaded({{"2", "b"}, {"x", "a"}, {"", "c"}});
    UsersList users;
    users.SetRows(rows);
    QCOMPARE(users.BadKeyRow(), 1);
    QVERIFY(!users.Sort(UsersList::Column(column)));
    QVERIFY(!users.SortAscending(UsersList::Column(column)));
    QCOMPARE(users.Users(), rows);
    QCOMPARE(users.SortStateOf(UsersList::Column(column)), UsersList::NotSorted);
  }

  void emptyListSortsAsNothing() {
    UsersList users;
    QCOMPARE(users.BadKeyRow(), -1);
    QVERIFY(users.Sort(UsersList::KeyColumn));
    QVERIFY(users.IsEmpty());
    QVERIFY(users.Users().isEmpty());
  }

  void findsFirstRowOfExactKeyText() {
    UsersList users;
    users.SetRows(Loaded({{"05", "a"}, {"5", "b"}, {"5", "c"}}));
    QCOMPARE(RowOfKey(users, 5), 1);
    QCOMPARE(RowOfKey(users, 6), -1);
  }
};

QTEST_APPLESS_MAIN(UsersListTest)
#include "users_list_test.moc"
