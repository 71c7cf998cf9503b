#include "pages/function_rows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/view_bindings.h"

namespace vor::pages {
namespace {

const std::array<QString, kFunctionRows> kDefaultCaptions = {
    "  0. Автоматичен режим",
    "  1. Автоматично Презаключване",
    "  2. Входно Звънче",
    "  3. Изход Статус от врата",
    "  4. Уникален Мастер Ключ",
    "  5. Зумер при оставена отв. врата",
    "  6. Аларма при оставена отв. врата",
    "  7. Зумер при разбиване на врата",
    "  8. Аларма при разбиване на  врата",
    "  9. Зумер при външно орключване",
    "10. Аларма при външно отключване",
    "11. Зумер при проблемна операция",
    "12. Изключени входове за положение",
    "13. Следене на врата",
    "14. Управление на врата",
    "15. Мастер ключ само за програмиране",
    "16. Поддържащо отключване (IMB)",
    "17. Ключа само отключва",
    "18. Индик. при закл. брава и отв. врата",
    "19. Управл. на светл. сигна.(закл/токл)",
    "20. Функция 20",
    "21. Функция 21",
    "22. Функция 22",
    "23. Функция 23",
};

}  // namespace

QString DefaultFunctionCaption(int function) {
  return kDefaultCaptions.at(function);
}

FunctionRows::FunctionRows(SettingsViews& views, QWidget* parent)
    : QGroupBox(QStringLiteral("Програмируеми Функции"), parent) {
  auto* rows = new QVBoxLayout(this);
  rows->setSpacing(0);
  for (int f = 0; f < kFunctionRows; ++f) {
    auto* row = new QWidget(this);
    row->setObjectName(FunctionRowName(f));
    auto* box = new QCheckBox(kDefaultCaptions[f], row);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(f + 1));
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(4, 1, 4, 1);
    line->addWidget(box);
    rows->addWidget(row);
    connect(box, &QCheckBox::stateChanged, this, &FunctionRows::Changed);
    AddWidgetRow(views, row, box);
    boxes_[f] = box;
  }
}

quint8 FunctionRows::Byte(int index) const {
  quint8 value = 0;
  for (int bit = 0; bit < 8; ++bit)
    if (boxes_.at(8 * index + bit)->isChecked()) value |= quint8(1 << bit);
  return value;
}

void FunctionRows::SetByte(int index, quint8 value) {
  for (int bit = 0; bit < 8; ++bit) boxes_.at(8 * index + bit)->setChecked(value >> bit & 1);
}

void FunctionRows::UncheckAll() {
  for (QCheckBox* box : boxes_) box->setChecked(false);
}

}  // namespace vor::pages
