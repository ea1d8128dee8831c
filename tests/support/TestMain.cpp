#include "tests/support/QtMessageGuard.h"

#include "host/core/UndoStack.h"
#include "host/vtkutil/KeepGlDriverLoaded.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>
#include <gtest/gtest.h>

namespace
{

// Fails the running test when it logged a Qt warning or a VTK error it did not expect.
// gtest calls OnTestEnd of later listeners first and while the test is still current, so the
// failure is charged to the test before the result printer reports it.
class UnexpectedMessageListener : public ::testing::EmptyTestEventListener
{
  void OnTestStart(const ::testing::TestInfo&) override { testsupport::takeUnexpectedMessages(); }

  void OnTestEnd(const ::testing::TestInfo&) override
  {
    UndoStack::clear();
    for (const QString& message : testsupport::takeUnexpectedMessages())
      ADD_FAILURE() << "unexpected message: " << message.toStdString();
  }
};

} // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  keepGlDriverLoaded();
  QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
  QApplication app(argc, argv);
  testsupport::installMessageGuards();
  ::testing::UnitTest::GetInstance()->listeners().Append(new UnexpectedMessageListener);
  const int result = RUN_ALL_TESTS();
  UndoStack::clear();
  return result;
}
