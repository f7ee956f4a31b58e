// Builds the main window at the positions of the window's design: the mode
// menu, the plate grid and the settings column, between splitter bars.
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "Unit1.h"
#include "training_options_window.h"
#include "widgets/designed_controls.h"
#include "widgets/group_bar.h"
#include "widgets/group_bar_group.h"
#include "widgets/pane_splitter.h"
#include "widgets/picture_combo_box.h"

void TMainForm::buildWorkArea() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  RzSplitter1 = new PaneSplitter(Qt::Horizontal, this);
  RzSplitter1->setObjectName(QStringLiteral("RzSplitter1"));
  RzSplitter1->setHandleWidth(7);
  layout->addWidget(RzSplitter1);

  buildGroupBar();
  RzSplitter1->addWidget(RzGroupBar1);

  RzSplitter2 = new PaneSplitter(Qt::Horizontal, RzSplitter1);
  RzSplitter2->setObjectName(QStringLiteral("RzSplitter2"));
  RzSplitter2->setHandleWidth(7);
  RzSplitter2->setLocked(true);
  RzSplitter1->addWidget(RzSplitter2);
  RzSplitter1->setStretchFactor(0, 0);
  RzSplitter1->setStretchFactor(1, 1);
  RzSplitter1->setHotSpot(0);
  RzSplitter1->setSizes({164, 759});

  Panel1 = ruzdo::addPanel(RzSplitter2, "Panel1");
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  RuzdoPole = new TRuzdoPole(Panel1);
  panelLayout->addWidget(RuzdoPole);
  RuzdoPole->SetCols(2);
  RuzdoPole->SetMaxRuzdo(9);
  RzSplitter2->addWidget(Panel1);

  pSetting = new SettingsColumn(RzSplitter2);
  RzSplitter2->addWidget(pSetting);
  RzSplitter2->setStretchFactor(0, 1);
  RzSplitter2->setStretchFactor(1, 0);
  RzSplitter2->setHotSpot(1);
  RzSplitter2->setSizes({454, 298});
  nameSettingControls();

  buildOptionsWindow();
  buildFeedback();
  pRunButtons->addKeys(this);  // form-wide: they work with the column folded away too
  fitToScreen();
}

void TMainForm::nameSettingControls() {
  RzSplitter3 = pSetting->buttonsSplitter;
  RzSplitter4 = pSetting->groupsSplitter;
  pRunButtons = pSetting->runButtons;
  pGroupsScroll = pSetting->groupsScroll;
  pGroups = pSetting->groups;
  pNotice = pSetting->noticePane;
  lNotice = pSetting->notices;
  bStart = pRunButtons->start;
  bStop = pRunButtons->stop;
  bPause = pRunButtons->pause;
  bReplay = pRunButtons->replay;
  bOptions = pRunButtons->options;
  gGenerate = pSetting->generate;
  sMinRuzdo = gGenerate->minRuzdo;
  sMaxRuzdo = gGenerate->maxRuzdo;
  sTani = gGenerate->counter;
  sTemplate = gGenerate->pattern;
  sSpechSpeed = gGenerate->speechSpeed;
  sTimerInterval = gGenerate->interval;
  sMaxQuestion = gGenerate->maxQuestion;
  gRuzdoPoleSetting = pSetting->field;
  sCols = gRuzdoPoleSetting->cols;
  sRows = gRuzdoPoleSetting->rows;
  sIndention = gRuzdoPoleSetting->indention;
  sApply = gRuzdoPoleSetting->apply;
  sCancel = gRuzdoPoleSetting->cancel;
  gInfo = pSetting->statistics;
  lAll = gInfo->questionCount;
  pErr = gInfo->errorPanel;
  lErr = gInfo->errorCount;
  tMarker = gInfo->flashTimer;
  pRunLines = gInfo->runLines;
  lSaid = gInfo->said;
  lRunState = gInfo->runState;
}

void TMainForm::fitToScreen() {
  // A screen smaller than the designed window gets a window as large as its
  // free area, frame included, at its top left corner.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  constexpr int kFrameWidth = 938 - 930, kFrameHeight = 660 - 631;  // the designed frame
  const QRect area = screen->availableGeometry();
  if (area.width() >= width() + kFrameWidth && area.height() >= height() + kFrameHeight) return;
  resize(std::min(width(), area.width() - kFrameWidth),
         std::min(height(), area.height() - kFrameHeight));
  move(area.topLeft());
}

void TMainForm::buildOptionsWindow() {
  fOptions = new TrainingOptionsWindow(this);
  sVoice = fOptions->voice;
  sVariants = fOptions->variants;
  sWeakFirst = fOptions->weakFirst;
  sSentences = fOptions->check("sentences");
}

void TMainForm::buildGroupBar() {
  RzGroupBar1 = new GroupBar(RzSplitter1);
  RzGroupBar1->setObjectName(QStringLiteral("RzGroupBar1"));
  RzGroupBar1->setMinimumWidth(120);
  gEasy = RzGroupBar1->addGroup(tr("Простые"));
  gEasy->setObjectName(QStringLiteral("gEasy"));
  gEasy->addItem(tr("Числа"));
  gEasy->addItem(tr("Последовательности чисел"));
  gMid = RzGroupBar1->addGroup(tr("Средние"));
  gMid->setObjectName(QStringLiteral("gMid"));
  gDifficult = RzGroupBar1->addGroup(tr("Сложные"));
  gDifficult->setObjectName(QStringLiteral("gDifficult"));
  buildLessonItems();
  RzGroup1 = RzGroupBar1->addGroup(tr("Справка"));
  RzGroup1->setObjectName(QStringLiteral("RzGroup1"));
  RzGroup1->addItem(tr("О программе"));
  RzGroup1->addItem(tr("История ответов"));
  RzGroup1->addItem(tr("Параметры обучения"));
}
