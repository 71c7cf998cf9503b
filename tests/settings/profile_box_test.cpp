#include <QImage>
#include <QTest>

#include "settings/profile_box.h"

using namespace vor;

namespace {

// The colour of the darkest pixel in the item's row: its text.
QColor TextColour(const QImage& image, const QRect& rect) {
  QColor darkest = Qt::white;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.lightness() < darkest.lightness()) darkest = c;
    }
  return darkest;
}

}  // namespace

class ProfileBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void itemsAreDrawnInTheColourOfTheirKind() {
    ProfileBox box;
    box.resize(200, 100);
    box.addItems({"  Stored", "* Active", "Other"});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.viewport()->grab().toImage();
    const QColor stored = TextColour(image, box.visualItemRect(box.item(0)));
    const QColor active = TextColour(image, box.visualItemRect(box.item(1)));
    const QColor other = TextColour(image, box.visualItemRect(box.item(2)));
    QVERIFY(stored.blue() > 200 && stored.red() < 60);
    QVERIFY(active.red() > 200 && active.blue() < 60);
    QVERIFY(other.lightness() < 40);
  }
};

QTEST_MAIN(ProfileBoxTest)
#include "profile_box_test.moc"
