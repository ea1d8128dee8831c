#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <boost/signals2/signal.hpp>

class ImageMatrixViewProperties;
struct AuxFileImageData;

class SelectedImageViewInterface : public virtual DataViewInterface
{
public:
  virtual boost::shared_ptr<ImageMatrixViewProperties> properties() = 0;
  virtual int numSelections() const = 0;
  /// In selection order.
  virtual std::vector<boost::shared_ptr<const AuxFileImageData>> selectedImages() const = 0;
  virtual std::vector<AuxFilePtr> selectedAuxFiles() const = 0;
  virtual std::vector<AuxFilePtr> displayedAuxFiles() const = 0;
  /// Drops the cases of the selected images from the view.
  virtual void removeSelected() = 0;
  /// While true, cases selected anywhere are added to the end of the displayed cases.
  virtual boost::shared_ptr<vantor::PropertyAbstract<bool>> appendSelection() = 0;

  boost::signals2::signal<void(const std::vector<AuxFilePtr>&)> signalSelectedImagesChanged;

private:
  virtual void signalSelectedImagesChangedConnected() const {}
};
