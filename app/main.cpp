#include <QApplication>
#include <QIcon>

#include "app/FirstPaintProbe.h"
#include "app/Form1.h"
#include "app/SpanishTranslation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("factorix"));
  QApplication::setApplicationVersion(QStringLiteral(FACTORIX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Factorix"));
  SpanishTranslation::install(app);

  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/factorix-%1.png").arg(size), QSize(size, size));

  // The main window and its message boxes carry the icon; the help windows,
  // which have no owner, have none of their own.
  Form1 form;
  form.setWindowIcon(icon);
  if (qEnvironmentVariableIsSet("FACTORIX_TRACE_TIMING")) new FirstPaintProbe(&form);
  form.Form_Load();
  return app.exec();
}
