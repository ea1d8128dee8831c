#pragma once

#include "analyzer/dataviews/ImageDiffViewInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>

class DataViewManagerInterface;
class ImageFileLoaderInterface;
class QImageTableView;
class QWidget;

/// One reference image beside other images of the same size, with the pixel difference of each
/// under it. Not saved with the views; it closes itself when its reference is erased.
class ImageDiffView
  : public virtual ImageDiffViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<ImageDiffView>
{
public:
  ImageDiffView(QWidget& parent,
    AuxFilePtr reference,
    const std::vector<AuxFilePtr>& compared,
    bool showLabels,
    PropertyPtr<std::vector<VariablePtr>> labelVariables,
    boost::shared_ptr<ImageFileLoaderInterface> loader,
    DataViewManagerInterface& manager);
  ~ImageDiffView() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void accept(DataViewVisitorInterface& visitor) override;
  void adjustSelectionForMouseClickAtPoint() override;
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  boost::shared_ptr<vantor::PropertyAbstract<uint64_t>> zoom() override;
  std::vector<AuxFilePtr> selectedAuxFiles() const override;

  const std::vector<AuxFilePtr>& comparedAuxFiles() const;
  /// Null once the widget is gone.
  QImageTableView* tableView() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
