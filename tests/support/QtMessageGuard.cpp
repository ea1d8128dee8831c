#include "tests/support/QtMessageGuard.h"

#include <QDir>
#include <QtGlobal>
#include <map>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkOutputWindow.h>

namespace testsupport
{
namespace
{

QStringList& unexpected()
{
  static QStringList messages;
  return messages;
}

std::map<QString, int>& expected()
{
  static std::map<QString, int> fragments;
  return fragments;
}

void record(const QString& message)
{
  for (auto& [fragment, count] : expected())
  {
    if (message.contains(fragment))
    {
      ++count;
      return;
    }
  }
  unexpected() << message;
}

void qtHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
  if (type == QtDebugMsg || type == QtInfoMsg)
    return;
  record(QStringLiteral("Qt: ") + message);
}

class RecordingOutputWindow : public vtkOutputWindow
{
public:
  static RecordingOutputWindow* New();
  vtkTypeMacro(RecordingOutputWindow, vtkOutputWindow);

  void DisplayErrorText(const char* text) override { record(QStringLiteral("VTK: ") + text); }
  void DisplayWarningText(const char* text) override { record(QStringLiteral("VTK: ") + text); }
  void DisplayGenericWarningText(const char* text) override
  {
    record(QStringLiteral("VTK: ") + text);
  }
  void DisplayText(const char*) override {}
};
vtkStandardNewMacro(RecordingOutputWindow);

} // namespace

void installMessageGuards()
{
  qInstallMessageHandler(qtHandler);
  vtkNew<RecordingOutputWindow> window;
  vtkOutputWindow::SetInstance(window);
}

QStringList takeUnexpectedMessages()
{
  QStringList messages;
  messages.swap(unexpected());
  return messages;
}

ExpectedMessage::ExpectedMessage(const QString& fragment)
  : m_fragment(fragment)
{
  expected()[fragment] = 0;
}

ExpectedMessage::~ExpectedMessage()
{
  expected().erase(m_fragment);
}

int ExpectedMessage::count() const
{
  return expected()[m_fragment];
}

QString testOutputDir()
{
  QString dir = qEnvironmentVariable("VANTOR_TEST_OUTPUT", QDir::tempPath() + "/vantor-tests");
  QDir().mkpath(dir);
  return dir;
}

} // namespace testsupport
