#pragma once

#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/surrogate/InterpolationVariablesAbstract.h"
#include "host/surrogate/SurrogateModelManager.h"
#include "host/viewsupport/SelectionModel.h"
#include "property/Property.h"
#include "tests/support/ProjectEdits.h"

#include <boost/make_shared.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

using testsupport::setValue;

/// Stress of a plate as a smooth function of thickness and load.
inline double plateStress(double thickness, double load)
{
  return load / thickness + std::sin(thickness);
}

/// 30 plates on a scattered set: Thickness 1..3 and Load 10..40 (independent, the inputs),
/// Grade (independent, 2 everywhere), Label (independent text), Stress (dependent), Cost
/// (dependent, NaN on every third case) and Note (other, numeric).
inline void loadPlateProject(int cases = 30)
{
  ProjectContents contents;
  contents.addVariable("Thickness", Variable::Independent, ValueType::Real);
  contents.addVariable("Grade", Variable::Independent, ValueType::Real);
  contents.addVariable("Label", Variable::Independent, ValueType::Text);
  contents.addVariable("Load", Variable::Independent, ValueType::Real);
  contents.addVariable("Stress", Variable::Dependent, ValueType::Real);
  contents.addVariable("Cost", Variable::Dependent, ValueType::Real);
  contents.addVariable("Note", Variable::Other, ValueType::Real);
  for (int i = 1; i <= cases; ++i)
  {
    const double thickness = 1.0 + 2.0 * std::fmod(i * 0.618034, 1.0);
    const double load = 10.0 + 30.0 * std::fmod(i * 0.7548777, 1.0);
    const Variant cost = i % 3 == 0 ? Variant::nan() : Variant(thickness * 4.0 + load);
    contents.addRecord(static_cast<uint64_t>(i),
      { thickness, 2.0, "plate", load, plateStress(thickness, load), cost, double(i) });
  }
  Project::project().assign(std::move(contents));
}

inline WeakPtr<Variable> plateVariable(const std::string& name)
{
  return Project::project().variable(name);
}

/// A plot that varies the variables it is given over their ranges and shows the given outputs.
class TestInterpolationVariables : public InterpolationVariablesAbstract
{
public:
  using InterpolationVariablesAbstract::InterpolationVariablesAbstract;

  void vary(const std::string& name, std::pair<double, double> range, uint64_t count)
  {
    m_varied[plateVariable(name).id()] = boost::make_shared<DistributedPoints>(range, count);
    announceChange();
  }
  void show(const std::string& name)
  {
    m_shown.insert(plateVariable(name).id());
    announceChange();
  }
  std::set<uint64_t> nonInputAxisVariables() const override { return m_shown; }

private:
  PointsPtr interpolationPoints(const WeakPtr<Variable>& variable) const override
  {
    auto found = m_varied.find(variable.id());
    return found == m_varied.end() ? nullptr : found->second;
  }

  std::map<uint64_t, PointsPtr> m_varied;
  std::set<uint64_t> m_shown;
};

class SurrogateTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadPlateProject();
    UndoStack::clear();
    m_selection = boost::make_shared<SelectionModel>();
    m_pipeline = boost::make_shared<DataPipelineManager>(m_selection);
    m_manager = boost::make_shared<SurrogateModelManager>(m_pipeline);
    m_manager->signalModelsChanged.connect([this] { ++m_modelChanges; });
    m_collection = boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>();
  }

  boost::shared_ptr<SelectionModel> m_selection;
  boost::shared_ptr<DataPipelineManager> m_pipeline;
  boost::shared_ptr<SurrogateModelManager> m_manager;
  boost::shared_ptr<vantor::Property<SurrogateModelUserDistCollection>> m_collection;
  int m_modelChanges = 0;
};
