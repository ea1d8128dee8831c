#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SuspendableInterface.h"

#include <QAbstractTableModel>
#include <memory>

class ImageFileLoaderInterface;
class LabelMaker;

/// Two rows: the reference image and the compared images above, the difference of each
/// compared image under it. Images are loaded and differences computed once, on first use.
class ImageDiffModel
  : public QAbstractTableModel
  , public SuspendableInterface
{
  Q_OBJECT

public:
  static const char* const differentSizesText;

  /// The compared list belongs to the caller and must outlive the model; after changing it,
  /// call comparedChanged.
  ImageDiffModel(boost::shared_ptr<ImageFileLoaderInterface> loader,
    boost::shared_ptr<LabelMaker> labelMaker,
    AuxFilePtr reference,
    const std::vector<AuxFilePtr>& compared,
    bool showLabels,
    PropertyPtr<std::vector<VariablePtr>> labelVariables,
    QObject* parent = nullptr);
  ~ImageDiffModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  /// Drops the cached images and starts over with the compared list as it is now.
  void comparedChanged();

  void suspend() override;
  void resume() override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
