#pragma once

#include "analyzer/dataviews/image/ImageListModelInterface.h"
#include "host/core/SuspendableInterface.h"

#include <QAbstractListModel>
#include <boost/shared_ptr.hpp>
#include <memory>
#include <string>
#include <vtkSmartPointer.h>

class ImageViewProperties;
class ScalingImageLoader;
class vtkTableAlgorithm;
struct AuxFileImageData;

/// Every image file of the cases of a table, one row each: the label (display), the thumbnail
/// (decoration) and the case and file (tooltip). It follows the table and the label settings,
/// and repaints a row when its thumbnail arrives.
class ImageListModel
  : public QAbstractListModel
  , public ImageListModelInterface
  , public SuspendableInterface
{
  Q_OBJECT

public:
  ImageListModel(vtkSmartPointer<vtkTableAlgorithm> table,
    boost::shared_ptr<ScalingImageLoader> loader,
    boost::shared_ptr<ImageViewProperties> properties,
    QObject* parent = nullptr);
  ~ImageListModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  /// Throws std::out_of_range for a row beyond the list.
  QVariant data(const QModelIndex& index, int role) const override;

  WeakPtr<AuxFile> auxFileAt(int row) const override;
  std::vector<WeakPtr<AuxFile>> auxFiles() const override;

  boost::shared_ptr<ImageViewProperties> properties() const;
  boost::shared_ptr<const AuxFileImageData> imageData(const QModelIndex& index) const;
  /// Every tag of the files, each once, sorted.
  std::vector<std::string> availableTags() const;

  /// Reads the table again.
  void rebuild();
  void suspend() override;
  void resume() override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
