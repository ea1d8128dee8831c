#pragma once

#include "analyzer/dataviews/DataViewManager.h"
#include "host/core/UndoStack.h"
#include "host/imagesupport/ImageTableModel.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/AuxFile.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/host/imagesupport/ImageFiles.h"

#include <QFileInfo>
#include <QItemSelectionModel>
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

  static std::string fileNameOf(const WeakPtr<AuxFile>& image)
  {
    const auto auxFile = image.lock();
    return auxFile ? QFileInfo(QString::fromStdString(auxFile->filePath())).fileName().toStdString()
                   : std::string();
  }

  static std::vector<std::string> namesOf(const std::vector<WeakPtr<AuxFile>>& images)
  {
    std::vector<std::string> names;
    for (const auto& image : images)
      names.push_back(fileNameOf(image));
    return names;
  }

  /// The cell of an image matrix showing the file.
  static QModelIndex cellOf(QImageTableView& table, const std::string& fileName)
  {
    auto& model = dynamic_cast<ImageTableModel&>(*table.model());
    for (int row = 0; row < model.rowCount(); ++row)
      for (int column = 0; column < model.columnCount(); ++column)
        if (fileNameOf(model.imageAt(model.index(row, column))) == fileName)
          return model.index(row, column);
    return QModelIndex();
  }

  static void selectCells(QAbstractItemView& view, const std::vector<QModelIndex>& cells)
  {
    QItemSelection selection;
    for (const auto& cell : cells)
      selection.select(cell, cell);
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  }

  ImageFiles files;
  boost::shared_ptr<SelectionModel> selection;
  boost::shared_ptr<DataPipelineManager> pipeline;
  boost::shared_ptr<DataViewManager> manager;
};
