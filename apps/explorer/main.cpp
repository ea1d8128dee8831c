#include "apps/explorer/CommandLine.h"
#include "apps/explorer/ExplorerStartup.h"

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

  QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantor Explorer"));
  return ExplorerStartup::run(options);
}
