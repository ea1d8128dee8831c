#pragma once

#include <boost/shared_ptr.hpp>
#include <functional>
#include <vtkSmartPointer.h>

class DataPipelineManagerInterface;
class QAbstractItemModel;
class QAbstractItemView;
class vtkQtTableView;

/// Builds the table widget both tabular views show: the header with its menu, the model stack
/// (source from the factory, sorting, constraint colouring) and the delegates.
vtkSmartPointer<vtkQtTableView> assembleTableWidget(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  const std::function<QAbstractItemModel*(QAbstractItemView&)>& modelFactory);
