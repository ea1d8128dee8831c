#pragma once

#include <boost/shared_ptr.hpp>

class DataPipelineManager;
class DataViewManager;
class SelectionModel;
class SurrogateModelManager;

/// The data side of one open project: the shared selection, the pipeline over the project, the
/// surrogate models fitted to it and the view manager over them. Made after the project is in
/// place, dropped before it goes.
class ExplorerSession
{
public:
  ExplorerSession();
  ~ExplorerSession();
  ExplorerSession(const ExplorerSession&) = delete;
  ExplorerSession& operator=(const ExplorerSession&) = delete;

  SelectionModel& selection() const { return *m_selection; }
  DataPipelineManager& pipeline() const { return *m_pipeline; }
  const boost::shared_ptr<DataViewManager>& manager() const { return m_manager; }
  const boost::shared_ptr<SurrogateModelManager>& surrogateModels() const { return m_surrogates; }

private:
  // Declared in the order of need, so the manager and its views go first.
  boost::shared_ptr<SelectionModel> m_selection;
  boost::shared_ptr<DataPipelineManager> m_pipeline;
  boost::shared_ptr<SurrogateModelManager> m_surrogates;
  boost::shared_ptr<DataViewManager> m_manager;
};
