#include "apps/explorer/ExplorerSession.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/surrogate/SurrogateModelManager.h"
#include "host/viewsupport/SelectionModel.h"

#include <boost/make_shared.hpp>

ExplorerSession::ExplorerSession()
  : m_selection(boost::make_shared<SelectionModel>())
  , m_pipeline(boost::make_shared<DataPipelineManager>(m_selection))
  , m_surrogates(boost::make_shared<SurrogateModelManager>(m_pipeline))
  , m_manager(boost::make_shared<DataViewManager>(m_pipeline, m_surrogates, m_selection))
{
}

ExplorerSession::~ExplorerSession() = default;
