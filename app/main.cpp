#include <QApplication>
#include <QIcon>

#include "app/FirstPaintProbe.h"
#include "app/Form1.h"
#include "app/SpanishTranslation.h"
#include "app/WorkCommand.h"

#include <iostream>

int main(int argc, char* argv[]) {
  // The options that print their answer need no display.
  if (const std::optional<int> status = WorkCommand::run(argc, argv, std::cout, std::cerr)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("factorix"));
  QApplication::setApplicationVersion(QStringLiteral(FACTORIX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Factorix"));
  SpanishTranslation::install(app);

  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/factorix-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);

  Form1 form;
  if (qEnvironmentVariableIsSet("FACTORIX_TRACE_TIMING")) new FirstPaintProbe(&form);
  form.Form_Load();
  return app.exec();
}
