#pragma once

#include "analyzer/dataviews/image/ImageListModelInterface.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"

#include <QSortFilterProxyModel>

class ImageListModel;

/// Shows the images whose first tag is among the tags to show.
class ImageListProxyModel
  : public QSortFilterProxyModel
  , public ImageListModelInterface
  , public SuspendableInterface
{
  Q_OBJECT

public:
  explicit ImageListProxyModel(ImageListModel& source, QObject* parent = nullptr);

  WeakPtr<AuxFile> auxFileAt(int row) const override;
  std::vector<WeakPtr<AuxFile>> auxFiles() const override;

  void suspend() override;
  void resume() override;

protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
  void tagsChanged();

  ImageListModel& m_source;
  std::vector<std::string> m_tags;
  SignalConnectionCollection m_connections;
};
