#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <QImage>
#include <boost/signals2/signal.hpp>

class ImageMatrixViewProperties;

class SelectedImageViewInterface : public virtual DataViewInterface
{
public:
  virtual boost::shared_ptr<ImageMatrixViewProperties> properties() = 0;
  virtual int numSelections() const = 0;
  virtual std::vector<QImage> selectedImages() const = 0;
  virtual std::vector<AuxFilePtr> selectedAuxFiles() const = 0;
  virtual std::vector<AuxFilePtr> displayedAuxFiles() const = 0;
  /// Drops the cases of the selected images from the view.
  virtual void removeSelected() = 0;
  /// When true, selecting images adds their cases to the shared selection.
  virtual boost::shared_ptr<vantor::PropertyAbstract<bool>> appendSelection() = 0;

  boost::signals2::signal<void(const std::vector<AuxFilePtr>&)> signalSelectedImagesChanged;

private:
  virtual void signalSelectedImagesChangedConnected() const {}
};
