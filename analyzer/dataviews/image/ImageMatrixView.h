#pragma once

#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>

class DataPipelineManagerInterface;
class ImageFileLoaderInterface;
class ImageTableView;
class QWidget;
class SelectionModelInterface;

/// The images of the filtered cases as a matrix laid out by tags and variables, sharing the
/// selection with every other view.
class ImageMatrixView
  : public virtual ImageMatrixViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<ImageMatrixView>
{
public:
  static const char* const m_domName;

  ImageMatrixView(QWidget& parent,
    boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    boost::shared_ptr<ImageFileLoaderInterface> loader,
    boost::shared_ptr<ImageMatrixViewProperties> properties);
  ~ImageMatrixView() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void accept(DataViewVisitorInterface& visitor) override;
  void adjustSelectionForMouseClickAtPoint() override;
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  int width() override;
  int height() override;
  boost::shared_ptr<ImageMatrixViewProperties> properties() override;
  std::vector<AuxFilePtr> selectedAuxFiles() const override;

  ImageTableView& imageTable() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
