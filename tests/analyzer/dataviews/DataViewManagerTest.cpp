#include "tests/analyzer/dataviews/TestViews.h"

#include "analyzer/dataviews/PointSpriteBugFixingRenderWindow.h"
#include "host/core/ExceptionBase.h"
#include "host/core/UndoStack.h"

#include <QTest>
#include <QUndoStack>
#include <QVTKInteractor.h>
#include <QVTKOpenGLNativeWidget.h>
#include <gtest/gtest.h>
#include <memory>
#include <vtkOpenGLRenderWindow.h>
#include <vtkRenderer.h>

using testviews::TestTableView;
using testviews::TestViewManager;

namespace
{

struct ManagerFixture : ::testing::Test
{
  std::unique_ptr<TestViewManager> manager = std::make_unique<TestViewManager>();
  QUndoStack& stack = UndoStack::qUndoStack();
  std::vector<std::pair<QWidget*, boost::shared_ptr<DataViewInterface>>> created;
  std::vector<boost::shared_ptr<DataViewInterface>> removed;
  std::vector<std::size_t> listedWhenAnnounced;

  void SetUp() override
  {
    manager->signalViewCreated.connect(
      [this](QWidget* w, boost::shared_ptr<DataViewInterface> v)
      {
        created.emplace_back(w, v);
        listedWhenAnnounced.push_back(manager->dataViews().size());
      });
    manager->signalViewRemoved.connect(
      [this](boost::shared_ptr<DataViewInterface> v) { removed.push_back(v); });
  }

  boost::shared_ptr<TestTableView> addTable()
  {
    return boost::dynamic_pointer_cast<TestTableView>(manager->addTableView());
  }
};

} // namespace

TEST_F(ManagerFixture, AddAnnouncesAfterListingAndItsUndoRemovesAndSuspends)
{
  auto view = addTable();
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0].second, view);
  ASSERT_NE(created[0].first, nullptr);
  EXPECT_EQ(listedWhenAnnounced[0], 1u);
  EXPECT_EQ(stack.count(), 1);
  EXPECT_EQ(stack.undoText(), "Add Table 1");
  EXPECT_EQ(view->resumed, 0) << "the first redo of Add must not resume or re-list the view";

  stack.undo();
  EXPECT_TRUE(manager->dataViews().empty());
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0], view);
  EXPECT_EQ(view->suspended, 1);
  EXPECT_EQ(stack.count(), 1);
  EXPECT_EQ(stack.index(), 0);

  stack.redo();
  EXPECT_EQ(manager->dataViews().size(), 1u);
  EXPECT_EQ(view->resumed, 1);
  EXPECT_EQ(created.back().first, created.front().first);
}

TEST_F(ManagerFixture, RemoveThenUndoAppendsAtTheEndWithTheSameWidgetAndOnlyOnce)
{
  auto first = addTable();
  auto second = addTable();
  QWidget* firstWidget = created[0].first;

  manager->removeView(boost::make_shared<TestTableView>());
  EXPECT_EQ(stack.count(), 2) << "an unknown view is not removed";
  manager->removeView(first);
  manager->removeView(first);
  EXPECT_EQ(manager->dataViews(), (std::vector<boost::shared_ptr<DataViewInterface>>{ second }));
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(first->suspended, 1);
  EXPECT_EQ(stack.undoText(), "Delete Table 1");
  EXPECT_EQ(stack.count(), 3);

  stack.undo();
  EXPECT_EQ(
    manager->dataViews(), (std::vector<boost::shared_ptr<DataViewInterface>>{ second, first }));
  EXPECT_EQ(created.back().first, firstWidget);
  EXPECT_EQ(first->resumed, 1);
  EXPECT_EQ(stack.count(), 3) << "undo must not record new steps";
  manager->restoreView(first);
  EXPECT_EQ(manager->dataViews().size(), 2u) << "restoring a listed view changes nothing";

  stack.redo();
  EXPECT_EQ(manager->dataViews().size(), 1u);
  EXPECT_EQ(first->suspended, 2);
  manager->restoreView(first);
  manager->restoreView(first);
  EXPECT_EQ(manager->dataViews().size(), 2u);
  EXPECT_EQ(stack.count(), 3) << "restoring pushes nothing";
}

TEST_F(ManagerFixture, DestroyingTheManagerLeavesItsCommandsHarmless)
{
  boost::weak_ptr<TestTableView> view = addTable();
  manager->removeView(view.lock());
  created.clear();
  removed.clear();
  manager.reset();
  EXPECT_TRUE(view.expired()) << "the undo commands must let go of the manager's views";
  stack.undo();
  stack.undo();
  stack.redo();
  EXPECT_EQ(stack.count(), 2);
}

TEST_F(ManagerFixture, RenderWindowDrawableAndDefaults)
{
  EXPECT_EQ(manager->selectionColor(), QColor(255, 50, 0, 255));
  EXPECT_EQ(vtkOpenGLRenderWindow::GetGlobalMaximumNumberOfMultiSamples(), 4);
  vtkSmartPointer<vtkRenderWindow> window = manager->createRenderWindow();
  auto* bugFixing = PointSpriteBugFixingRenderWindow::SafeDownCast(window);
  ASSERT_NE(bugFixing, nullptr);
  EXPECT_TRUE(bugFixing->IsPointSpriteBugPresent());
  EXPECT_NE(QVTKInteractor::SafeDownCast(window->GetInteractor()), nullptr);

  std::unique_ptr<QWidget> drawable(manager->createVTKDrawable(*window));
  auto* native = qobject_cast<QVTKOpenGLNativeWidget*>(drawable.get());
  ASSERT_NE(native, nullptr);
  EXPECT_EQ(native->renderWindow(), window.Get());

  vtkNew<vtkRenderer> renderer;
  renderer->SetBackground(0.0, 0.0, 1.0);
  window->AddRenderer(renderer);
  native->resize(64, 48);
  native->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(native));
  window->Render();
  const QImage image = native->grabFramebuffer();
  EXPECT_EQ(image.pixelColor(32, 24), QColor(Qt::blue));
}
