#include "apps/explorer/CommandLine.h"
#include "apps/explorer/ExplorerStartup.h"
#include "host/vtkutil/KeepGlDriverLoaded.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>
#include <iostream>

int main(int argc, char** argv)
{
  // Read before the application exists, so that --help and mistakes need no display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  ExplorerOptions options;
  try
  {
    options = CommandLine::parse(arguments);
  }
  catch (const CommandLineError& error)
  {
    std::cerr << "explorer: " << error.message() << std::endl;
    return 2;
  }
  if (options.showHelp)
  {
    std::cout << CommandLine::helpText().toStdString();
    return 0;
  }

  // A batch export shows no window, so it runs without a display too.
  if (!options.exportDir.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  keepGlDriverLoaded();
  QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantor Explorer"));
  // The user's settings (the recent projects) are kept under these names.
  QApplication::setOrganizationName(QStringLiteral("Vantor"));
  return ExplorerStartup::run(options);
}
