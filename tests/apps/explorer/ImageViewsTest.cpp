#include "tests/analyzer/dataviews/image/ImageViewFixture.h"

#include "analyzer/dataviews/ImageDiffViewInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "apps/explorer/ImageViewActions.h"
#include "apps/explorer/PropertyPanel.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "tests/support/QtMessageGuard.h"

#include <QApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QTimer>

using ExplorerImageViews = ImageViewFixture;

TEST_F(ExplorerImageViews, PropertiesPanelOffersTheLayoutAndTheTagsToShow)
{
  const auto view = manager->addImageView();

  PropertyPanel panel;
  panel.showView(view);
  EXPECT_EQ(panel.rowCount(), 11);
  QList<QListWidget*> lists = panel.findChildren<QListWidget*>();
  QListWidget* tags = nullptr;
  for (QListWidget* list : lists)
    if (!list->findItems("rejected", Qt::MatchExactly).isEmpty())
      tags = list;
  ASSERT_TRUE(tags);
  tags->findItems("rejected", Qt::MatchExactly).front()->setCheckState(Qt::Checked);
  EXPECT_EQ(view->properties()->tagsToShow()->value(),
    (std::vector<std::string>{ "approved", "rejected" }));
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Change Tags To Show");

  EXPECT_TRUE(ImageViewActions::isPictured("selected-images"));
  EXPECT_FALSE(ImageViewActions::isPictured("table"));
}

TEST_F(ExplorerImageViews, CompareImagesAsksForTheReferenceAmongTheSelected)
{
  const auto view = manager->addImageView();
  selection->setSelection({ 1, 4 });
  ASSERT_EQ(ImageViewActions::selectedImages(*view).size(), 3u);

  // Xvfb has no window manager to give the dialog focus.
  testsupport::ExpectedMessage noFocus("SetInputFocus");
  QString offered;
  QTimer::singleShot(0,
    [&]
    {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog);
      offered = dialog->comboBoxItems().join('|');
      dialog->setTextValue(dialog->comboBoxItems().at(1));
      dialog->accept();
    });
  ImageViewActions::compareSelectedImages(nullptr, *manager, *view);

  EXPECT_EQ(offered.count('|'), 2);
  ASSERT_EQ(manager->dataViews().size(), 2u);
  const auto difference =
    boost::dynamic_pointer_cast<ImageDiffViewInterface>(manager->dataViews().back());
  ASSERT_TRUE(difference);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Add Image Difference View");
}
