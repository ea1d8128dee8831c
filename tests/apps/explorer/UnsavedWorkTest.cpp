#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/RecentProjects.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Project.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <memory>

namespace
{

/// Answers the next message box with the button, as a user would click it, and keeps its text.
class MessageBoxAnswer : public QObject
{
public:
  explicit MessageBoxAnswer(QMessageBox::StandardButton button)
  {
    auto* poll = new QTimer(this);
    connect(poll,
      &QTimer::timeout,
      this,
      [this, button, poll]
      {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
          return;
        poll->stop();
        text = box->text();
        ++answered;
        box->button(button)->click();
      });
    poll->start(10);
  }

  QString text;
  int answered = 0;
};

class UnsavedWorkTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    // The recent projects go to settings of this test's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
    QSettings().clear();
    // The questions are boxes over the window, as the user sees them.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path())));
    ASSERT_TRUE(window.saveProject(document));
    saved = testsupport::readFile(document);
  }

  void addFilter()
  {
    window.pipeline().addFilter(
      boost::make_shared<RangeFilter>(Project::project().variable("Stress"), 70.0, 150.0));
  }

  /// Sends the window a close event; true when it agreed to close.
  bool close()
  {
    QCloseEvent event;
    QApplication::sendEvent(&window, &event);
    return event.isAccepted();
  }

  QAction& action(const QString& text) const
  {
    for (QAction* candidate : window.findChildren<QAction*>())
      if (candidate->text() == text)
        return *candidate;
    throw std::runtime_error("no action " + text.toStdString());
  }

  QTemporaryDir dir;
  const QString document = QDir(dir.path()).filePath("beams.xml");
  QByteArray saved;
  ExplorerWindow window{ ExplorerWindow::Mode::Interactive };
};

} // namespace

TEST_F(UnsavedWorkTest, TheTitleShowsChangesUntilSavedOrUndoneToTheSavedState)
{
  EXPECT_EQ(window.windowTitle(), "beams.xml[*] - Vantor Explorer");
  EXPECT_FALSE(window.isWindowModified());
  addFilter();
  EXPECT_TRUE(window.isWindowModified());
  UndoStack::qUndoStack().undo();
  EXPECT_FALSE(window.isWindowModified()) << "undone back to the saved state";
  UndoStack::qUndoStack().redo();
  EXPECT_TRUE(window.isWindowModified());
  ASSERT_TRUE(window.saveProject(document));
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(window.statusBar()->currentMessage(), "Saved " + QDir::toNativeSeparators(document));
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(window.isWindowModified()) << "the filter is in the saved file";
}

TEST_F(UnsavedWorkTest, ClosingAChangedProjectAsksAndDoesWhatTheAnswerSays)
{
  EXPECT_TRUE(close()) << "an unchanged project closes without a question";
  addFilter();
  {
    MessageBoxAnswer cancel(QMessageBox::Cancel);
    EXPECT_FALSE(close());
    EXPECT_EQ(cancel.text, "Save changes to beams.xml?");
  }
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_EQ(window.pipeline().allFilters().size(), 1u) << "Cancel keeps everything";
  EXPECT_EQ(UndoStack::qUndoStack().count(), 1);
  {
    MessageBoxAnswer discard(QMessageBox::Discard);
    EXPECT_TRUE(close());
    EXPECT_EQ(discard.answered, 1);
  }
  EXPECT_EQ(testsupport::readFile(document), saved) << "Discard leaves the file untouched";
  {
    MessageBoxAnswer save(QMessageBox::Save);
    EXPECT_TRUE(close());
  }
  EXPECT_NE(testsupport::readFile(document), saved);
  EXPECT_TRUE(testsupport::readFile(document).contains("Stress")) << "Save wrote the filter";
  EXPECT_FALSE(window.isWindowModified());
}

TEST_F(UnsavedWorkTest, OpeningAnotherProjectAsksFirst)
{
  addFilter();
  {
    MessageBoxAnswer cancel(QMessageBox::Cancel);
    action("Open Sample Project").trigger();
    EXPECT_EQ(cancel.answered, 1);
  }
  EXPECT_EQ(Project::project().recordCount(), 6) << "the beams stay open";
  EXPECT_EQ(window.pipeline().allFilters().size(), 1u);

  // A recent project opens without a file dialog, after the same question.
  const QString other = explorertest::writeFile(dir.path(), "other.xml", "");
  ASSERT_TRUE(window.openFile(explorertest::writeFile(dir.path(), "two.csv", "a,b\n1,2\n")));
  ASSERT_TRUE(window.saveProject(other));
  ASSERT_TRUE(window.openFile(document));
  EXPECT_EQ(window.recentProjects().paths().mid(0, 2), (QStringList{ document, other }));
  addFilter();
  {
    MessageBoxAnswer save(QMessageBox::Save);
    action("&2 other.xml").trigger();
    EXPECT_EQ(save.text, "Save changes to beams.xml?");
  }
  EXPECT_EQ(window.documentPath(), other);
  EXPECT_EQ(Project::project().recordCount(), 1);
  ASSERT_TRUE(window.openFile(document));
  EXPECT_EQ(window.pipeline().allFilters().size(), 1u) << "the answer Save kept the filter";
  {
    MessageBoxAnswer none(QMessageBox::Cancel);
    action("Open Sample Project").trigger();
    EXPECT_EQ(none.answered, 0) << "nothing changed since opening: no question";
  }
  EXPECT_EQ(window.windowTitle(), "Sample beam study[*] - Vantor Explorer");
}

TEST_F(UnsavedWorkTest, RecentProjectsKeepTheNewestFirstAndDropWhatIsGone)
{
  RecentProjects& recent = window.recentProjects();
  const QDir folder(dir.path());
  for (int i = 0; i < 10; ++i)
    recent.add(folder.filePath(QStringLiteral("p%1.xml").arg(i)));
  QStringList paths = recent.paths();
  ASSERT_EQ(paths.size(), RecentProjects::limit);
  EXPECT_EQ(paths.front(), folder.filePath("p9.xml"));
  EXPECT_EQ(paths.back(), folder.filePath("p2.xml"));
  recent.add(folder.filePath("p5.xml"));
  EXPECT_EQ(recent.paths().front(), folder.filePath("p5.xml"));
  EXPECT_EQ(recent.paths().size(), RecentProjects::limit) << "no entry twice";

  addFilter();
  {
    MessageBoxAnswer ok(QMessageBox::Ok);
    action("&1 p5.xml").trigger();
    EXPECT_TRUE(ok.text.contains("no longer exists")) << ok.text.toStdString();
  }
  EXPECT_FALSE(recent.paths().contains(folder.filePath("p5.xml")));
  EXPECT_TRUE(window.isWindowModified()) << "nothing was asked or lost for a file that is gone";
}
