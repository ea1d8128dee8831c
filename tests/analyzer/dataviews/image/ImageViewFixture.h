#pragma once

#include "analyzer/dataviews/DataViewManager.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/host/imagesupport/ImageFiles.h"

#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

/// The image project of ImageFiles.h under a manager.
class ImageViewFixture : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadImageProject(files);
    UndoStack::clear();
    selection = boost::make_shared<SelectionModel>();
    pipeline = boost::make_shared<DataPipelineManager>(selection);
    manager = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  }

  void TearDown() override
  {
    UndoStack::clear();
    manager.reset();
  }

  QUndoStack& stack() { return UndoStack::qUndoStack(); }

  ImageFiles files;
  boost::shared_ptr<SelectionModel> selection;
  boost::shared_ptr<DataPipelineManager> pipeline;
  boost::shared_ptr<DataViewManager> manager;
};
