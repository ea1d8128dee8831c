#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SuspendableInterface.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <memory>
#include <string>
#include <vector>

class ImageFileLoaderInterface;
class ImageViewProperties;
class QListView;
class QWidget;
struct AuxFileImageData;

/// A wrapping grid of the images of the cases of a table, with labels and tooltips, showing
/// the images whose first tag is to be shown. The list's widgets belong to the parent.
class ImageListView : public SuspendableInterface
{
public:
  ImageListView(QWidget& parent,
    vtkSmartPointer<vtkTableAlgorithm> table,
    boost::shared_ptr<ImageFileLoaderInterface> loader,
    boost::shared_ptr<ImageViewProperties> properties);
  ~ImageListView() override;
  ImageListView(const ImageListView&) = delete;
  ImageListView& operator=(const ImageListView&) = delete;

  int numSelections() const;
  /// In selection order.
  std::vector<boost::shared_ptr<const AuxFileImageData>> selectedImages() const;
  std::vector<AuxFilePtr> selectedAuxFiles() const;
  /// After the tag filter, in row order.
  std::vector<AuxFilePtr> displayedAuxFiles() const;
  /// Before the tag filter: every tag of every image, each once, sorted.
  std::vector<std::string> availableTags() const;
  boost::shared_ptr<ImageViewProperties> properties() const;

  void suspend() override;
  void resume() override;

  /// Null once the widget is gone.
  QListView* listView() const;

  boost::signals2::signal<void(const std::vector<AuxFilePtr>&)> signalSelectedImagesChanged;

private:
  virtual void signalSelectedImagesChangedConnected() const {}

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
