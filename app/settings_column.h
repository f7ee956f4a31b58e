#pragma once

#include <QFrame>

#include "field_group.h"
#include "generate_group.h"
#include "widgets/run_buttons.h"
#include "widgets/statistics_group.h"

class NoticeLine;
class PaneSplitter;
class QScrollArea;

// The settings column right of the plate grid, as the window's design lays
// it out: the run's buttons above, the group boxes below them (scrolling in
// a window too short for them), and under those the line of notices.
class SettingsColumn : public QFrame {
  Q_OBJECT
 public:
  // Its designed width; the group boxes' width and their height down to the
  // end of «Статистика».
  static constexpr int kWidth = 298;
  static constexpr int kGroupsWidth = 296;
  static constexpr int kGroupsHeight = 475;

  explicit SettingsColumn(QWidget* parent);

  // The keyboard's order: the run's buttons, then the controls of the group
  // boxes from top to bottom.
  void setTabOrder();

  PaneSplitter* buttonsSplitter = nullptr;  // the buttons over the rest
  RunButtons* runButtons = nullptr;
  PaneSplitter* groupsSplitter = nullptr;  // the group boxes over the notices
  QScrollArea* groupsScroll = nullptr;
  QWidget* groups = nullptr;
  GenerateGroup* generate = nullptr;
  FieldGroup* field = nullptr;
  StatisticsGroup* statistics = nullptr;
  QWidget* noticePane = nullptr;
  NoticeLine* notices = nullptr;  // sound and the history of answers
};
