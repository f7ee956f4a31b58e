#include "Unit1.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTimer>

#include "core/random_source.h"
#include "drill/answer_log.h"
#include "drill/question_planner.h"
#include "history/history_store.h"
#include "option_pickers.h"
#include "speech/speaker.h"
#include "speech/speech_service.h"
#include "widgets/group_bar_group.h"
#include "widgets/group_bar_item.h"
#include "widgets/image_button.h"

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent), speaker_(new ruzdo::Speaker(this)), speech_(&speaker_->service()) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Ruzdo"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/ruzdo.png")));
  move(10, 12);
  resize(930, 631);  // client area; the frame brings it to 938 x 660

  tMain = new QTimer(this);
  tMain->setObjectName(QStringLiteral("tMain"));
  tMain->setInterval(2000);
  tMain->setTimerType(Qt::PreciseTimer);  // a coarse one may fire 5 % early
  pacer_ = ruzdo::QuestionPacer(tMain);
  answers_ = new ruzdo::AnswerLog(this);

  buildWorkArea();
  pSetting->setTabOrder();
  connectEvents();
  planner_ = std::make_unique<ruzdo::QuestionPlanner>(
      ruzdo::QuestionPlanner::Panel{&Mode, RuzdoPole, sVoice, sWeakFirst, sVariants, sSentences,
                                    sSpechSpeed},
      *speech_, *answers_);
  // The next question's voice drawn: the plates' sounds are made in it.
  planner_->onVoiceDrawn = [this] { schedulePrefetch(); };
  FormCreate();
  setUpSpeech();
  setUpConditions();
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::FormCreate() {
  ruzdo::SeedRandomFromClock();
  ResetStats();
  ShowStats();
  FillCounterPicker();
  ruzdo::FillVoicePicker(sVoice);
}

void TMainForm::FormDestroy() {
  // The counter picker's entries hold the cached counter pictures; they are
  // released here, once, at the end of the program.
  gGenerate->releaseCounterPictures();
}

void TMainForm::connectEvents() {
  connect(tMain, &QTimer::timeout, this, &TMainForm::tMainTimer);
  connect(tMarker, &QTimer::timeout, this, &TMainForm::tMarkerTimer);
  RuzdoPole->OnButtonClick = [this](int num, const QString& tel) {
    RuzdoPoleButtonClick(num, tel);
  };
  connect(bStart, &QAbstractButton::clicked, this, &TMainForm::bStartClick);
  connect(bStop, &QAbstractButton::clicked, this, &TMainForm::bStopClick);
  connect(bPause, &QAbstractButton::clicked, this, &TMainForm::bPauseClick);
  connect(sApply, &QPushButton::clicked, this, &TMainForm::sApplyClick);
  connect(sCancel, &QPushButton::clicked, this, &TMainForm::sCancelClick);
  connect(gEasy->item(0), &QAbstractButton::clicked, this, &TMainForm::gEasyItems0Click);
  connect(gEasy->item(1), &QAbstractButton::clicked, this, &TMainForm::gEasyItems1Click);
  connect(RzGroup1->item(0), &QAbstractButton::clicked, this, &TMainForm::RzGroup1Items0Click);
  connect(RzGroup1->item(1), &QAbstractButton::clicked, this, &TMainForm::RzGroup1Items1Click);
  connect(sTimerInterval, &QSlider::valueChanged, this, &TMainForm::sTimerIntervalChange);
  buildLearningAids();
}
