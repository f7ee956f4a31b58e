#include "widgets/run_buttons.h"

#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include "widgets/designed_controls.h"
#include "widgets/image_button.h"

RunButtons::RunButtons(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pRunButtons"));
  setMinimumHeight(112);
  start = ruzdo::addRunButton(this, "bStart", QStringLiteral("Start"), 0, 0, 100, 68);
  stop = ruzdo::addRunButton(this, "bStop", QStringLiteral("Stop"), 195, 0, 100, 68);
  // Created last, so it lies over the lower parts of the other two.
  pause = ruzdo::addRunButton(this, "bPause", QStringLiteral("Pause"), 65, 45, 164, 68);
  pause->setEnabled(false);  // only a run can be paused

  // A small button in the gap above Pause, between Start and Stop.
  replay = new QToolButton(this);
  replay->setObjectName(QStringLiteral("bReplay"));
  replay->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  replay->setAccessibleName(tr("Повторить"));
  replay->setToolTip(tr("Повторить вопрос (R, Ctrl+R, F5); без запуска — повторить последнее"));
  replay->setFocusPolicy(Qt::NoFocus);
  replay->setGeometry(131, 8, 32, 30);

  // Beside it, the window of the options beyond this column.
  options = new QToolButton(this);
  options->setObjectName(QStringLiteral("bOptions"));
  options->setIcon(QIcon::fromTheme(QStringLiteral("preferences-other"),
                                    style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
  options->setAccessibleName(tr("Параметры обучения"));
  options->setToolTip(tr("Параметры обучения: голос, что и как говорится, темп"));
  options->setFocusPolicy(Qt::NoFocus);
  options->setGeometry(165, 8, 28, 30);
}

void RunButtons::addKeys(QWidget* scope) {
  // Function keys, the same on every keyboard layout, beside F5 (replay);
  // the toolkit binds none of them on its own.
  const struct {
    ImageButton* button;
    QList<QKeySequence> keys;
    QString tip;
  } runKeys[] = {
      {start, {QKeySequence(Qt::Key_F6)}, tr("Start: начать (F6)")},
      {pause,
       {QKeySequence(Qt::Key_F7), QKeySequence(Qt::Key_Pause)},
       tr("Pause: пауза и продолжение (F7, Pause)")},
      {stop, {QKeySequence(Qt::Key_F8)}, tr("Stop: остановить (F8)")},
  };
  for (const auto& k : runKeys) {
    k.button->setToolTip(k.tip);
    k.button->setAccessibleDescription(k.tip);
    for (const QKeySequence& key : k.keys) {
      auto* shortcut = new QShortcut(key, scope);
      ImageButton* button = k.button;
      connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->animateClick();
      });
    }
  }
}
