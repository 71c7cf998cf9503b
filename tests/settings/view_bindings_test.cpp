#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "settings/settings_views.h"
#include "settings/view_bindings.h"

using namespace vor;

class ViewBindingsTest : public QObject {
  Q_OBJECT

 private slots:
  void rowFollowsTheSettingsUntilItIsGone() {
    SettingsViews views;
    QWidget page;
    auto* row = new QWidget(&page);
    row->setObjectName("Panel_P03");
    auto* box = new QCheckBox(row);
    auto* label = new QLabel(&page);
    AddWidgetRow(views, row, box);
    AddWidgetLabel(views, kSyncLabel, label);
    page.show();

    views.ShowRow("Panel_P03", false);
    views.SetRowCaption("Panel_P03", " 3.  Функция  3");
    views.SetLabel(kSyncLabel, "RFID");
    QVERIFY(!row->isVisible());
    QCOMPARE(box->text(), QString(" 3.  Функция  3"));
    QCOMPARE(label->text(), QString("RFID"));

    delete row;
    delete label;
    views.ShowRow("Panel_P03", true);
    views.SetRowCaption("Panel_P03", "x");
    views.SetLabel(kSyncLabel, "Net");
    views.ShowRow("Panel_P04", true);  // never registered
  }
};

QTEST_MAIN(ViewBindingsTest)
#include "view_bindings_test.moc"
