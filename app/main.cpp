#include <QApplication>
#include <QFont>

#include "Unit1.h"
#include "uAboutFrm.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ruzdo"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  QApplication::setFont(font);

  TMainForm mainForm;
  TfAbout fAbout(&mainForm);
  mainForm.setAboutWindow(&fAbout);
  mainForm.show();
  return app.exec();
}
