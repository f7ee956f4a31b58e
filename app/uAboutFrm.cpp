#include "uAboutFrm.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/jpeg_image.h"

namespace {

// The caption Qt gives a standard close button, in the language of the
// translations the program has installed ("&Close" without any).
QString standardCloseText() {
  const QDialogButtonBox standard(QDialogButtonBox::Close);
  return standard.button(QDialogButtonBox::Close)->text();
}

}  // namespace

TfAbout::TfAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fAbout"));
  setWindowTitle(tr("О программе"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/ruzdo.png")));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(510, 347);
  move(195, 109);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(5, 20, 101, 127);
  Image1->setScaledContents(true);
  Image1->setAccessibleName(tr("Картинка"));
  QFile picture(QStringLiteral(":/about/about.jpg"));
  if (picture.open(QIODevice::ReadOnly)) {
    const QImage image = ruzdo::DecodeJpeg(picture.readAll());
    if (!image.isNull()) Image1->setPixmap(QPixmap::fromImage(image));
  }

  RzLabel1 = new QLabel(QStringLiteral("RUZDO v. 0.11"), this);
  RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
  RzLabel1->move(215, 5);
  RzLabel1->adjustSize();

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setAccessibleName(tr("О программе"));
  Memo1->setGeometry(115, 20, 386, 286);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Memo1->setBackgroundRole(QPalette::Window);
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Base, p.color(QPalette::Window));
  Memo1->setPalette(p);
  Memo1->setPlainText(Lines().join(QLatin1Char('\n')));

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                            standardCloseText(), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(425, 315, 75, 25);
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(Memo1, BitBtn1);
  Memo1->setFocus();
}

QStringList TfAbout::Lines() {
  return {
      tr("Программа разработана для тренировки восприятия числовой "),
      tr("информации на слух."),
      QString(),
      tr("Описание программы: файл README.md в её исходных текстах."),
      tr("Лицензия голоса: /usr/share/doc/hts-voice-nitech-jp-atr503-m001/copyright"),
      QString(),
      tr("Требования:"),
      tr("ОС: Тестировалось на Debian 12"),
      QString(),
      tr("Планы:"),
      tr("  - устранение возможных ошибок;"),
      tr("  - добавление новых тестов;"),
      tr("  - доработка пользовательского интерфейса;"),
      tr("  - поиск более качественного синтезатора речи."),
      QStringLiteral("__________________________________"),
      tr("* Для синтеза речи используется звуковой движок Onsei (С). "),
      QStringLiteral("http://hts.sp.nitech.ac.jp/"),
      tr("Голос: HTS voice nitech_jp_atr503_m001, © Nagoya Institute of Technology, "
         "CC BY 3.0"),
      tr("Голоса «Мужчина 2» и «Женщина 1»: HTS voices Takumi и Mei (MMDAgent "
         "Project Team), © 2009-2018 Nagoya Institute of Technology, CC BY 3.0"),
      tr("Голос «Женщина 2»: HTS voice tohoku-f01, © 2015 Intelligent Communication "
         "Network (Ito-Nose) Laboratory, Tohoku University, CC BY 4.0"),
      tr("Без изменений; лицензии — в пакете onsei-voices рядом с голосами."),
  };
}

void TfAbout::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window as its button and close box do; Enter does not.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
