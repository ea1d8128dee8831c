#pragma once

#include "host/imagesupport/ImageMatrixLayout.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPoint>
#include <QVector>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

class ScalingImageLoader;

/// The cells of an image matrix: the thumbnail (decoration), the label when labels are shown
/// (display) and the case and file (tooltip); headers name the tag or value of their row or
/// column. A thumbnail that arrives repaints the cells of its file.
class ImageTableModel : public QAbstractTableModel
{
  Q_OBJECT

public:
  ImageTableModel(boost::shared_ptr<ScalingImageLoader> loader,
    boost::shared_ptr<ImageViewProperties> properties,
    QObject* parent = nullptr);
  ~ImageTableModel() override;

  void setLayout(ImageMatrixLayout layout);
  const ImageMatrixLayout& matrixLayout() const { return m_layout; }
  WeakPtr<AuxFile> imageAt(const QModelIndex& index) const;
  std::string labelOf(const WeakPtr<AuxFile>& image) const;
  /// After the label settings changed.
  void labelsChanged();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  void imageArrived(const QString& filePath);

  boost::shared_ptr<ScalingImageLoader> m_loader;
  boost::shared_ptr<ImageViewProperties> m_properties;
  ImageMatrixLayout m_layout;
  QHash<QString, QVector<QPoint>> m_cellsOfFile;
  boost::signals2::scoped_connection m_arrivals;
};
