#include "analyzer/dataviews/line/LinePlotElements.h"

#include "analyzer/dataviews/line/LinePlot.h"
#include "analyzer/dataviews/line/LinePlotLegends.h"
#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "host/serialization/QColorSerializer.h"
#include "host/serialization/Serializer.h"
#include "host/serialization/VariableInfoSerializer.h"
#include "host/surrogate/SurrogateModelUserDistCollectionSerializer.h"

#include <QColor>
#include <boost/make_shared.hpp>

LinePlotElements::LinePlotElements(Serializer& root, LinePlot& view, LinePlotLegends& legends)
  : m_view(view)
{
  const auto variable = [&root](const char* key, PropertyPtr<VariablePtr> property)
  { root.addSubElement(boost::make_shared<VariableInfoSerializer>(key, std::move(property))); };
  const auto flag = [&root](const char* key, PropertyPtr<bool> property)
  { root.addSubElement(boost::make_shared<GenericSerializer<bool>>(key, std::move(property))); };
  variable("XVar", view.xVar());
  variable("YVar", view.yVar());
  variable("SortBy", view.sortBy());
  root.addSubElement(boost::make_shared<AxisDetailsSerializer>(view.axisDetails()));
  root.addSubElement(boost::make_shared<QColorSerializer>("LineColor", view.lineColor()));
  flag("ShowDerivedData", view.showDerivedData());
  root.addSubElement(
    boost::make_shared<QColorSerializer>("DerivedDataLineColor", view.derivedDataLineColor()));
  flag("ShowLegend", view.showLegend());
  legends.addPositionElements(root);
  flag("ShowLines", view.showLines());
  root.addDeserializeOnlySubElement(
    boost::make_shared<VariableInfoSerializer>("GroupLinesBy", view.colorVar()));
  root.addDeserializeOnlySubElement(
    boost::make_shared<GenericSerializer<bool>>("GroupLinesByData", view.colorByData()));
  variable("ColorVar", view.colorVar());
  flag("ColorByData", view.colorByData());
  variable("SymbolVar", view.symbolVar());
  flag("SymbolByData", view.symbolByData());
  root.addSubElement(boost::make_shared<SurrogateModelUserDistCollectionSerializer>(
    view.surrogateModelUserDistCollection()));
  root.addDeserializeOnlySubElement(boost::make_shared<GenericSerializer<std::string>>(
    "PlotType",
    [] { return std::string(); },
    [this](const std::string& type) { readPlotType(type); }));
  root.addSubElement(boost::make_shared<GenericSerializer<int>>(
    "SymbolShape",
    [this] { return m_view.symbolShape()->value(); },
    [this](const int& stored) { readSymbolShape(stored); }));
  root.addSubElement(boost::make_shared<GenericSerializer<float>>("SymbolSize", view.symbolSize()));
}

void LinePlotElements::readPlotType(const std::string& type)
{
  if (type == "Lines")
  {
    m_view.showLines()->setValue(true);
    m_view.symbolShape()->setValue(0);
    m_legacyLinesOnly = true;
  }
  else if (type == "Symbols")
    m_view.showLines()->setValue(false);
  else if (type == "LinesAndSymbols")
    m_view.showLines()->setValue(true);
  m_view.symbolByData()->setValue(false);
}

void LinePlotElements::readSymbolShape(int stored)
{
  if (m_legacyLinesOnly)
    m_legacyLinesOnly = false;
  else
    m_view.symbolShape()->setValue(stored);
}
