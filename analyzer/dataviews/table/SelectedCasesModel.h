#pragma once

#include <QSortFilterProxyModel>
#include <boost/shared_ptr.hpp>
#include <memory>

class DataPipelineManagerInterface;
class SelectionModelInterface;

/// The rows of an unfiltered table model whose cases are selected, after the pipeline's
/// per-row selection mask.
class SelectedCasesModel : public QSortFilterProxyModel
{
  Q_OBJECT

public:
  SelectedCasesModel(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    QAbstractItemModel& source);
  ~SelectedCasesModel() override;

protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
  void recomputeMask();

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
