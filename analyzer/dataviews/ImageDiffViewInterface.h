#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <boost/signals2/signal.hpp>
#include <cstdint>

class ImageDiffViewInterface : public virtual DataViewInterface
{
public:
  virtual boost::shared_ptr<vantor::PropertyAbstract<uint64_t>> zoom() = 0;
  virtual std::vector<AuxFilePtr> selectedAuxFiles() const = 0;

  boost::signals2::signal<void(const std::vector<AuxFilePtr>&)> signalSelectedImagesChanged;

private:
  virtual void signalSelectedImagesChangedConnected() const {}
};
