#include "settings/profile_box.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace vor {
namespace {

class ProfileItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                        option.widget);

    const QString text = index.data(Qt::DisplayRole).toString();
    QFont font = option.font;
    font.setBold(true);
    painter->save();
    painter->setFont(font);
    painter->setPen(option.state & QStyle::State_Selected
                        ? option.palette.color(QPalette::HighlightedText)
                        : ProfileBox::ItemColour(text));
    painter->drawText(option.rect.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
  }
};

}  // namespace

ProfileBox::ProfileBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new ProfileItemDelegate(this));
}

QColor ProfileBox::ItemColour(const QString& text) {
  if (text.startsWith(QLatin1Char(' '))) return Qt::blue;
  if (text.startsWith(QLatin1Char('*'))) return Qt::red;
  return Qt::black;
}

}  // namespace vor
