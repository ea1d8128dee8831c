#include "apps/explorer/ExplorerSession.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/SelectionModel.h"

#include <boost/make_shared.hpp>

// The explorer has no surrogate models yet; the views accept a manager without them.
ExplorerSession::ExplorerSession()
  : m_selection(boost::make_shared<SelectionModel>())
  , m_pipeline(boost::make_shared<DataPipelineManager>(m_selection))
  , m_manager(boost::make_shared<DataViewManager>(m_pipeline, nullptr, m_selection))
{
}

ExplorerSession::~ExplorerSession() = default;
