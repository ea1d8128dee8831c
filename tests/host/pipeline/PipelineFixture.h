#pragma once

#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ProjectEdits.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkTable.h>

/// A pipeline over the study project that counts the pipeline's signals.
class PipelineTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadStudyProject();
    UndoStack::clear();
    m_selection = boost::make_shared<SelectionModel>();
    m_pipeline = boost::make_shared<DataPipelineManager>(m_selection);
    m_pipeline->signalUnfilteredDataChanged.connect([this] { ++m_unfilteredChanges; });
    m_pipeline->signalFilteredDataChanged.connect([this] { ++m_filteredChanges; });
    m_pipeline->signalFilterSetChanged.connect([this] { ++m_filterSetChanges; });
  }

  vtkTable* unfiltered()
  {
    m_pipeline->unfilteredOutput()->Update();
    return vtkTable::SafeDownCast(m_pipeline->unfilteredOutput()->GetOutputDataObject(0));
  }

  vtkTable* filtered()
  {
    m_pipeline->filteredOutput()->Update();
    return vtkTable::SafeDownCast(m_pipeline->filteredOutput()->GetOutputDataObject(0));
  }

  std::vector<uint64_t> filteredCases()
  {
    std::vector<uint64_t> ids;
    vtkTable* table = filtered();
    for (vtkIdType row = 0; row < table->GetNumberOfRows(); ++row)
      ids.push_back(table->GetValue(row, 0).ToTypeUInt64());
    return ids;
  }

  boost::shared_ptr<SelectionModel> m_selection;
  boost::shared_ptr<DataPipelineManager> m_pipeline;
  int m_unfilteredChanges = 0;
  int m_filteredChanges = 0;
  int m_filterSetChanges = 0;
};
