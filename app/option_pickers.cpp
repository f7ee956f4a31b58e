#include "option_pickers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <string>

#include "core/listening_condition.h"
#include "core/speech_voice.h"
#include "speech/speech_engine.h"

namespace ruzdo {

void FillVoicePicker(QComboBox* picker) {
  const auto nameChosen = [picker] {
    picker->setAccessibleName(
        QCoreApplication::translate("OptionPickers", "Голос: %1").arg(picker->currentText()));
  };
  QObject::connect(picker, &QComboBox::currentIndexChanged, picker, nameChosen);
  picker->clear();
  for (const std::string& name : EngineVoiceNames())
    picker->addItem(QCoreApplication::translate("SpeechVoice", VoiceDisplayName(name).c_str()),
                    QString::fromStdString(name));
  picker->addItem(QCoreApplication::translate("OptionPickers", "Разные"), QString());
  // The list opens wide enough for the longest name, whatever the box's width.
  picker->view()->setMinimumWidth(picker->view()->sizeHintForColumn(0) + 24);
  picker->setCurrentIndex(0);
  nameChosen();
}

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
