#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <boost/signals2/signal.hpp>

class ImageMatrixViewProperties;

class ImageMatrixViewInterface : public virtual DataViewInterface
{
public:
  virtual int width() = 0;
  virtual int height() = 0;
  virtual boost::shared_ptr<ImageMatrixViewProperties> properties() = 0;
  virtual std::vector<AuxFilePtr> selectedAuxFiles() const = 0;

  boost::signals2::signal<void(const std::vector<AuxFilePtr>&)> signalSelectedImagesChanged;

private:
  virtual void signalSelectedImagesChangedConnected() const {}
};
