#include "listening_picker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <string>

#include "core/listening_condition.h"

namespace ruzdo {

void FillListeningPicker(QComboBox* picker) {
  for (const ListeningConditionInfo& info : ListeningConditions()) {
    picker->addItem(
        QCoreApplication::translate("ListeningCondition", std::string(info.name).c_str()),
        QString::fromUtf8(info.key.data(), static_cast<qsizetype>(info.key.size())));
    picker->setItemData(
        picker->count() - 1,
        QCoreApplication::translate("ListeningCondition", std::string(info.description).c_str()),
        Qt::ToolTipRole);
  }
  picker->setToolTip(picker->itemData(0, Qt::ToolTipRole).toString());
  QObject::connect(picker, &QComboBox::currentIndexChanged, picker, [picker] {
    picker->setToolTip(picker->currentData(Qt::ToolTipRole).toString());
  });
}

}  // namespace ruzdo
