#pragma once

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "host/serialization/Serializer.h"
#include "host/viewsupport/DataViewAbstract.h"
#include "property/PropertyInstantiations.h"

#include <QWidget>
#include <boost/enable_shared_from_this.hpp>
#include <boost/make_shared.hpp>
#include <memory>
#include <vtkRenderWindow.h>

namespace testviews
{

/// A minimal table-kind view: a real property, a serializer, and a record of its lifecycle.
class TestTableView
  : public virtual TableViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<TestTableView>
{
public:
  explicit TestTableView(std::string title = "Test Table")
    : DataViewAbstract(std::make_unique<Serializer>("TableView"), nullptr)
    , m_title(std::move(title))
  {
  }

  void suspend() override { ++suspended; }
  void resume() override { ++resumed; }
  std::string title() const override { return m_title; }
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void adjustSelectionForMouseClickAtPoint() override {}
  void accept(DataViewVisitorInterface& visitor) override { visitor.visit(shared_from_this()); }
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override { return m_mode; }
  void render() override {}
  boost::shared_ptr<vantor::PropertyAbstract<bool>> useFilters() override { return m_useFilters; }
  int width() const override { return 0; }
  int height() const override { return 0; }

  int suspended = 0;
  int resumed = 0;

private:
  std::string m_title;
  boost::shared_ptr<vantor::Property<MouseMode>> m_mode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);
  boost::shared_ptr<vantor::Property<bool>> m_useFilters =
    boost::make_shared<vantor::Property<bool>>(false);
};

/// A 2D chart-kind view with nothing behind it, for what only visits or draws a chart.
class StubChart : public virtual ScatterPlot2DInterface
{
public:
  void accept(DataViewVisitorInterface& visitor) override
  {
    visitor.visit(boost::shared_ptr<ScatterPlot2DInterface>(this, [](void*) {}));
  }
  void fitData() override {}
  void render() override {}
  void suspend() override {}
  void resume() override {}
  std::string title() const override { return "Chart"; }
  SerializerInterface& serializer() override { return m_serializer; }
  void adjustSelectionForMouseClickAtPoint() override {}
  std::string domName() const override { return "Scatter2DView"; }
  PropertyPtr<MouseMode> mouseMode() override { return nullptr; }
  PropertyPtr<VariablePtr> xVar() override { return nullptr; }
  PropertyPtr<VariablePtr> yVar() override { return nullptr; }
  PropertyPtr<float> scalingFactor() override { return nullptr; }
  PropertyPtr<VariablePtr> colorVar() override { return nullptr; }
  PropertyPtr<QColor> color() override { return nullptr; }
  PropertyPtr<Coloring_e> coloringType() override { return nullptr; }
  boost::shared_ptr<ColorLegend> legend() override { return nullptr; }
  vtkSmartPointer<vtkRenderWindow> renderWindow() override { return nullptr; }
  AxisDetailsList axisDetails() override { return {}; }
  void setSelectionColor(const QColor&) override {}

private:
  Serializer m_serializer{ "Scatter2DView" };
};

/// A manager whose table views are test views, created through the manager's own registration.
class TestViewManager : public DataViewManager
{
public:
  TestViewManager()
    : DataViewManager(nullptr, nullptr, nullptr)
  {
  }

  boost::shared_ptr<TableViewInterface> addTableView() override
  {
    auto container = std::make_unique<QWidget>();
    auto view = boost::make_shared<TestTableView>("Table " + std::to_string(++m_created));
    addConstructedView(view, std::move(container));
    return view;
  }

  using DataViewManager::createRenderWindow;
  using DataViewManager::createVTKDrawable;

private:
  int m_created = 0;
};

} // namespace testviews
