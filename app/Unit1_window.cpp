// Builds the main window's controls at the positions of the window's design.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Unit1.h"
#include "training_options_window.h"
#include "widgets/designed_controls.h"
#include "widgets/elided_label.h"
#include "widgets/group_bar.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/image_button.h"
#include "widgets/notice_line.h"
#include "widgets/pane_splitter.h"
#include "widgets/picture_combo_box.h"

namespace {

// The settings column, and the group boxes in it: their designed width, and
// the height down to the end of «Статистика».
constexpr int kSettingWidth = 298;
constexpr int kGroupsWidth = 296;
constexpr int kGroupsHeight = 475;

}  // namespace

using ruzdo::addLabel;
using ruzdo::addPanel;
using ruzdo::addRunButton;
using ruzdo::addSpin;
using ruzdo::addTrackBar;
using ruzdo::addValueLabel;

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

  Panel1 = addPanel(RzSplitter2, "Panel1");
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  RuzdoPole = new TRuzdoPole(Panel1);
  panelLayout->addWidget(RuzdoPole);
  RuzdoPole->SetCols(2);
  RuzdoPole->SetMaxRuzdo(9);
  RzSplitter2->addWidget(Panel1);

  pSetting = addPanel(RzSplitter2, "pSetting");
  pSetting->setMinimumWidth(kSettingWidth);
  RzSplitter2->addWidget(pSetting);
  RzSplitter2->setStretchFactor(0, 1);
  RzSplitter2->setStretchFactor(1, 0);
  RzSplitter2->setHotSpot(1);
  RzSplitter2->setSizes({454, 298});

  auto* settingLayout = new QVBoxLayout(pSetting);
  settingLayout->setContentsMargins(0, 0, 0, 0);
  RzSplitter3 = new PaneSplitter(Qt::Vertical, pSetting);
  RzSplitter3->setObjectName(QStringLiteral("RzSplitter3"));
  RzSplitter3->setHandleWidth(4);
  RzSplitter3->setLocked(true);
  settingLayout->addWidget(RzSplitter3);

  buildRunButtons();
  RzSplitter3->addWidget(pRunButtons);

  RzSplitter4 = new PaneSplitter(Qt::Vertical, RzSplitter3);
  RzSplitter4->setObjectName(QStringLiteral("RzSplitter4"));
  RzSplitter4->setHandleWidth(4);
  RzSplitter4->setLocked(true);
  RzSplitter4->setKeptShare(0.95);
  RzSplitter3->addWidget(RzSplitter4);
  RzSplitter3->setStretchFactor(0, 0);
  RzSplitter3->setStretchFactor(1, 1);
  RzSplitter3->setSizes({112, 513});

  // The group boxes scroll in a window too short for them, so that every
  // control stays within reach; the column then widens by the scroll bar,
  // and the boxes keep their width.
  pGroupsScroll = new QScrollArea(RzSplitter4);
  pGroupsScroll->setObjectName(QStringLiteral("pGroupsScroll"));
  pGroupsScroll->setFrameShape(QFrame::NoFrame);
  pGroupsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pGroupsScroll->setWidgetResizable(true);
  pGroups = new QWidget(pGroupsScroll);
  pGroups->setObjectName(QStringLiteral("pGroups"));
  pGroups->setMinimumSize(kGroupsWidth, kGroupsHeight);
  pGroupsScroll->setWidget(pGroups);
  RzSplitter4->addWidget(pGroupsScroll);
  connect(pGroupsScroll->verticalScrollBar(), &QScrollBar::rangeChanged, this,
          [this](int, int max) {
            const int bar = max > 0 ? pGroupsScroll->verticalScrollBar()->sizeHint().width() : 0;
            pSetting->setMinimumWidth(kSettingWidth + bar);
          });
  pNotice = new QWidget(RzSplitter4);
  pNotice->setObjectName(QStringLiteral("pNotice"));
  auto* noticeLayout = new QVBoxLayout(pNotice);
  noticeLayout->setContentsMargins(6, 2, 6, 2);
  // Sound and the history each have a notice of their own, in one line.
  lNotice = new NoticeLine(pNotice);
  lNotice->setObjectName(QStringLiteral("lNotice"));
  noticeLayout->addWidget(lNotice);
  RzSplitter4->addWidget(pNotice);
  RzSplitter4->setSizes({485, 24});

  buildGenerateGroup();
  buildFieldGroup();
  buildInfoGroup();
  buildOptionsWindow();
  buildFeedback();
  buildKeyboard();
  fitToScreen();
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

void TMainForm::buildRunButtons() {
  pRunButtons = new QWidget(RzSplitter3);
  pRunButtons->setObjectName(QStringLiteral("pRunButtons"));
  pRunButtons->setMinimumHeight(112);
  bStart = addRunButton(pRunButtons, "bStart", QStringLiteral("Start"), 0, 0, 100, 68);
  bStop = addRunButton(pRunButtons, "bStop", QStringLiteral("Stop"), 195, 0, 100, 68);
  // Created last, so it lies over the lower parts of the other two.
  bPause = addRunButton(pRunButtons, "bPause", QStringLiteral("Pause"), 65, 45, 164, 68);
  bPause->setEnabled(false);  // only a run can be paused

  // A small button in the gap above Pause, between Start and Stop.
  bReplay = new QToolButton(pRunButtons);
  bReplay->setObjectName(QStringLiteral("bReplay"));
  bReplay->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  bReplay->setAccessibleName(tr("Повторить"));
  bReplay->setToolTip(tr("Повторить вопрос (R, Ctrl+R, F5); без запуска — повторить последнее"));
  bReplay->setFocusPolicy(Qt::NoFocus);
  bReplay->setGeometry(131, 8, 32, 30);

  // Beside it, the window of the options beyond this column.
  bOptions = new QToolButton(pRunButtons);
  bOptions->setObjectName(QStringLiteral("bOptions"));
  bOptions->setIcon(QIcon::fromTheme(QStringLiteral("preferences-other"),
                                     style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
  bOptions->setAccessibleName(tr("Параметры обучения"));
  bOptions->setToolTip(tr("Параметры обучения: голос, что и как говорится, темп"));
  bOptions->setFocusPolicy(Qt::NoFocus);
  bOptions->setGeometry(165, 8, 28, 30);
}

void TMainForm::buildGenerateGroup() {
  gGenerate = new QGroupBox(tr("Параметры генерации"), pGroups);
  gGenerate->setObjectName(QStringLiteral("gGenerate"));
  gGenerate->setGeometry(0, 0, 296, 241);
  QWidget* g = gGenerate;

  sMinRuzdo = addSpin(g, "sMinRuzdo", tr("Минимальное значение"), 165, 15, 117, 21, 0, 100000, 0);
  addLabel(g, tr("Минимальное значение:"), 10, 20)->setBuddy(sMinRuzdo);
  sMaxRuzdo = addSpin(g, "sMaxRuzdo", tr("Максимальное значение"), 165, 35, 117, 21, 0, 100000, 9);
  addLabel(g, tr("Максимальное значение:"), 10, 40)->setBuddy(sMaxRuzdo);

  auto* picker = new PictureComboBox(g);
  picker->setObjectName(QStringLiteral("sTani"));
  picker->setAccessibleName(tr("Счетный суффикс"));
  picker->setGeometry(170, 60, 115, 26);
  picker->setItemHeight(20);
  sTani = picker;
  addLabel(g, tr("Счетный суффикс:"), 10, 65)->setBuddy(sTani);

  sTemplate = new QLineEdit(QStringLiteral("_-__"), g);
  sTemplate->setObjectName(QStringLiteral("sTemplate"));
  sTemplate->setAccessibleName(tr("Шаблон"));
  sTemplate->setGeometry(165, 90, 121, 21);
  sTemplate->setEnabled(false);
  acceptedTemplate_ = sTemplate->text();
  addLabel(g, tr("Шаблон:"), 10, 95)->setBuddy(sTemplate);

  sSpechSpeed = addTrackBar(g, "sSpechSpeed", tr("Скорость речи"), 95, 115, 195, 50, 200, 5, 90);
  QLabel* speedLabel = addLabel(g, tr("Скорость\nречи:"), 10, 120);
  speedLabel->setBuddy(sSpechSpeed);
  sTimerInterval =
      addTrackBar(g, "sTimerInterval", tr("Интервал"), 95, 160, 195, 100, 10000, 500, 2000);
  // The keys move it by its stated step of 0.5 s.
  sTimerInterval->setSingleStep(500);
  sTimerInterval->setPageStep(500);
  QLabel* intervalLabel = addLabel(g, tr("Интервал \n (шаг 0.5с):"), 10, 170);
  intervalLabel->setBuddy(sTimerInterval);
  // The values go where the captions leave room before the track bars:
  // «речи: 90 %», «Интервал 2,0 с».
  lSpeechSpeed = addValueLabel(speedLabel, "lSpeechSpeed", 1, sSpechSpeed->x());
  lTimerInterval = addValueLabel(intervalLabel, "lTimerInterval", 0, sTimerInterval->x());

  sMaxQuestion =
      addSpin(g, "sMaxQuestion", tr("Количество вопросов"), 180, 210, 101, 21, 0, 10000, 100);
  addLabel(g, tr("Количество вопросов:"), 10, 215)->setBuddy(sMaxQuestion);
}

void TMainForm::buildFieldGroup() {
  gRuzdoPoleSetting = new QGroupBox(tr("Параметры поля выбора"), pGroups);
  gRuzdoPoleSetting->setObjectName(QStringLiteral("gRuzdoPoleSetting"));
  gRuzdoPoleSetting->setGeometry(1, 245, 294, 121);
  QWidget* g = gRuzdoPoleSetting;

  sCols = addSpin(g, "sCols", tr("Количество столбцов"), 180, 15, 102, 21, 0, 100, 2);
  addLabel(g, tr("Количество столбцов:"), 10, 20)->setBuddy(sCols);
  sRows = addSpin(g, "sRows", tr("Количество строк"), 180, 35, 102, 21, 0, 100, 0);
  addLabel(g, tr("Количество строк:"), 10, 40)->setBuddy(sRows);
  sIndention = addSpin(g, "sIndention", tr("Отступ первой плашки"), 180, 55, 102, 21, 0, 100, 0);
  addLabel(g, tr("Отступ первой плашки:"), 10, 60)->setBuddy(sIndention);

  sApply = new QPushButton(tr("Применить"), g);
  sApply->setObjectName(QStringLiteral("sApply"));
  sApply->setGeometry(10, 82, 75, 25);
  sCancel = new QPushButton(tr("Отмена"), g);
  sCancel->setObjectName(QStringLiteral("sCancel"));
  sCancel->setGeometry(210, 82, 75, 25);
}

void TMainForm::buildInfoGroup() {
  gInfo = new QGroupBox(tr("Статистика"), pGroups);
  gInfo->setObjectName(QStringLiteral("gInfo"));
  gInfo->setGeometry(1, 370, 294, 105);

  addLabel(gInfo, tr("Текущий вопрос:"), 10, 20);
  lAll = addLabel(gInfo, QStringLiteral("0"), 230, 20);
  lAll->setObjectName(QStringLiteral("lAll"));
  lAll->setAccessibleName(tr("Текущий вопрос"));
  lAll->setMinimumWidth(50);

  pErr = new QFrame(gInfo);
  pErr->setObjectName(QStringLiteral("pErr"));
  pErr->setGeometry(5, 35, 286, 25);
  pErr->setAutoFillBackground(true);
  addLabel(pErr, tr("Количество ошибок:"), 5, 7);
  lErr = addLabel(pErr, QStringLiteral("0"), 225, 7);
  lErr->setObjectName(QStringLiteral("lErr"));
  lErr->setAccessibleName(tr("Количество ошибок"));
  lErr->setMinimumWidth(50);

  // Below the counts, one line under the other, what a run shows: what the
  // last question (or the plate clicked) said, filled when it ends, and the
  // run's summary when it stops. The group grows with the pane.
  pRunLines = new QWidget(gInfo);
  pRunLines->setObjectName(QStringLiteral("pRunLines"));
  runLines = new QVBoxLayout(pRunLines);
  runLines->setContentsMargins(3, 0, 3, 0);
  runLines->setSpacing(0);
  lSaid = new ElidedLabel(pRunLines);
  lSaid->setObjectName(QStringLiteral("lSaid"));
  lSaid->setAccessibleName(tr("Сказано"));
  lSaid->setTextInteractionFlags(Qt::TextSelectableByMouse);
  runLines->addWidget(lSaid, 1);
  pGroups->installEventFilter(this);
  fitInfoGroup();
}

void TMainForm::fitInfoGroup() {
  // Its designed height at the window's first size, more in a taller one.
  constexpr int kBelowInfo = 10;
  const QRect r = gInfo->geometry();
  gInfo->resize(r.width(), std::max(105, pGroups->height() - r.top() - kBelowInfo));
  pRunLines->setGeometry(5, 60, gInfo->width() - 10, gInfo->height() - 62);
}

void TMainForm::setTabOrder() {
  const QList<QWidget*> order = {bStart, bPause,    bStop,       sMinRuzdo,      sMaxRuzdo,
                                 sTani,  sTemplate, sSpechSpeed, sTimerInterval, sMaxQuestion,
                                 sCols,  sRows,     sIndention,  sApply,         sCancel};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
