#include "settings_column.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/image_button.h"
#include "widgets/notice_line.h"
#include "widgets/pane_splitter.h"
#include "widgets/picture_combo_box.h"

SettingsColumn::SettingsColumn(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("pSetting"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setMinimumWidth(kWidth);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  buttonsSplitter = new PaneSplitter(Qt::Vertical, this);
  buttonsSplitter->setObjectName(QStringLiteral("RzSplitter3"));
  buttonsSplitter->setHandleWidth(4);
  buttonsSplitter->setLocked(true);
  layout->addWidget(buttonsSplitter);

  runButtons = new RunButtons(buttonsSplitter);
  buttonsSplitter->addWidget(runButtons);

  groupsSplitter = new PaneSplitter(Qt::Vertical, buttonsSplitter);
  groupsSplitter->setObjectName(QStringLiteral("RzSplitter4"));
  groupsSplitter->setHandleWidth(4);
  groupsSplitter->setLocked(true);
  groupsSplitter->setKeptShare(0.95);
  buttonsSplitter->addWidget(groupsSplitter);
  buttonsSplitter->setStretchFactor(0, 0);
  buttonsSplitter->setStretchFactor(1, 1);
  buttonsSplitter->setSizes({112, 513});

  // The group boxes scroll in a window too short for them, so that every
  // control stays within reach; the column then widens by the scroll bar,
  // and the boxes keep their width.
  groupsScroll = new QScrollArea(groupsSplitter);
  groupsScroll->setObjectName(QStringLiteral("pGroupsScroll"));
  groupsScroll->setFrameShape(QFrame::NoFrame);
  groupsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  groupsScroll->setWidgetResizable(true);
  groups = new QWidget(groupsScroll);
  groups->setObjectName(QStringLiteral("pGroups"));
  groups->setMinimumSize(kGroupsWidth, kGroupsHeight);
  groupsScroll->setWidget(groups);
  groupsSplitter->addWidget(groupsScroll);
  connect(groupsScroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int max) {
    const int bar = max > 0 ? groupsScroll->verticalScrollBar()->sizeHint().width() : 0;
    setMinimumWidth(kWidth + bar);
  });
  noticePane = new QWidget(groupsSplitter);
  noticePane->setObjectName(QStringLiteral("pNotice"));
  auto* noticeLayout = new QVBoxLayout(noticePane);
  noticeLayout->setContentsMargins(6, 2, 6, 2);
  // Sound and the history each have a notice of their own, in one line.
  notices = new NoticeLine(noticePane);
  notices->setObjectName(QStringLiteral("lNotice"));
  noticeLayout->addWidget(notices);
  groupsSplitter->addWidget(noticePane);
  groupsSplitter->setSizes({485, 24});

  generate = new GenerateGroup(groups);
  field = new FieldGroup(groups);
  statistics = new StatisticsGroup(groups);
}

void SettingsColumn::setTabOrder() {
  const QList<QWidget*> order = {runButtons->start,     runButtons->pause,     runButtons->stop,
                                 generate->minRuzdo,    generate->maxRuzdo,    generate->counter,
                                 generate->pattern,     generate->speechSpeed, generate->interval,
                                 generate->maxQuestion, field->cols,           field->rows,
                                 field->indention,      field->apply,          field->cancel};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
