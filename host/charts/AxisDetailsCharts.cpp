#include "host/charts/AxisDetailsCharts.h"

#include "host/project/Variable.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <cmath>
#include <vtkAxis.h>
#include <vtkChart.h>
#include <vtkChartXY.h>
#include <vtkDoubleArray.h>
#include <vtkNew.h>

namespace
{

/// More ticks than this cannot be told apart; the axis then places its own.
const int maximumGridLines = 1000;

class FiniteValidator : public vantor::ValidatorInterface<double>
{
public:
  explicit FiniteValidator(std::string message, bool positive = false)
    : m_message(std::move(message))
    , m_positive(positive)
  {
  }
  vantor::ValidationResult validate(const double& value) const override
  {
    if (!std::isfinite(value) || (m_positive && value <= 0))
      return vantor::ValidationResult::invalid(m_message);
    return {};
  }

private:
  std::string m_message;
  bool m_positive;
};

/// One end of the axis range, kept by the axis itself. A range set here is fixed: the chart
/// no longer fits the axis to its data.
class AxisRangeProperty : public vantor::PropertyAbstract<double>
{
public:
  AxisRangeProperty(vtkAxis* axis, bool maximum, bool& storing)
    : PropertyAbstract<double>(
        boost::make_shared<FiniteValidator>("The axis range must be a finite number."))
    , m_axis(axis)
    , m_maximum(maximum)
    , m_storing(storing)
  {
  }

protected:
  void storeValue(const double& value) override
  {
    m_storing = true;
    m_axis->SetBehavior(vtkAxis::FIXED);
    if (m_maximum)
      m_axis->SetMaximum(value);
    else
      m_axis->SetMinimum(value);
    m_storing = false;
  }

private:
  double retrieveValue() const override
  {
    return m_maximum ? m_axis->GetMaximum() : m_axis->GetMinimum();
  }

  vtkSmartPointer<vtkAxis> m_axis;
  bool m_maximum;
  bool& m_storing;
};

} // namespace

AxisDetailsCharts::AxisDetailsCharts(const std::string& name,
  vtkSmartPointer<vtkChartXY> chart,
  int axis,
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable, uint64_t>>> variable)
  : m_chart(std::move(chart))
  , m_axis(axis)
  , m_variable(std::move(variable))
{
  vtkAxis* chartAxis = m_chart->GetAxis(m_axis);
  m_minimum = boost::make_shared<AxisRangeProperty>(chartAxis, false, m_storingRange);
  m_maximum = boost::make_shared<AxisRangeProperty>(chartAxis, true, m_storingRange);
  m_min = boost::make_shared<vantor::UndoablePropertyProxy<double>>(name + " Min", m_minimum);
  m_max = boost::make_shared<vantor::UndoablePropertyProxy<double>>(name + " Max", m_maximum);
  m_useCustomGridSpacing = boost::make_shared<vantor::UndoablePropertyProxy<bool>>(
    name + " Use Custom Grid Spacing", boost::make_shared<vantor::Property<bool>>(false));
  m_gridSpacing = boost::make_shared<vantor::UndoablePropertyProxy<double>>(name + " Grid Spacing",
    boost::make_shared<vantor::Property<double>>(1.0,
      boost::make_shared<FiniteValidator>("The grid spacing must be a positive number.", true)));
  m_announcedRange[0] = chartAxis->GetMinimum();
  m_announcedRange[1] = chartAxis->GetMaximum();

  auto announce = [this] { signalAxisDetailsChanged(); };
  m_connections.add(m_min->signalValueChanged.connect([announce](double) { announce(); }));
  m_connections.add(m_max->signalValueChanged.connect([announce](double) { announce(); }));
  m_connections.add(
    m_useCustomGridSpacing->signalValueChanged.connect([announce](bool) { announce(); }));
  m_connections.add(m_gridSpacing->signalValueChanged.connect([announce](double) { announce(); }));
  m_connections.add(
    m_useCustomGridSpacing->signalValueChanged.connect([this](bool) { applyGridSpacing(); }));
  m_connections.add(
    m_gridSpacing->signalValueChanged.connect([this](double) { applyGridSpacing(); }));
  m_connections.add(m_variable->signalValueChanged.connect(
    [this](const WeakPtr<Variable, uint64_t>&) { applyTitle(); }));
  m_rangeObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { announceRange(); })));
  m_rangeObserverTag = chartAxis->AddObserver(vtkChart::UpdateRange, m_rangeObserver);
  applyTitle();
}

AxisDetailsCharts::~AxisDetailsCharts()
{
  m_chart->GetAxis(m_axis)->RemoveObserver(m_rangeObserverTag);
}

void AxisDetailsCharts::applyGridSpacing()
{
  vtkAxis* axis = m_chart->GetAxis(m_axis);
  const double spacing = m_gridSpacing->value();
  const double first = std::ceil(axis->GetMinimum() / spacing) * spacing;
  const double lines = std::floor((axis->GetMaximum() - first) / spacing) + 1;
  if (!m_useCustomGridSpacing->value() || !(lines > 0) || lines > maximumGridLines)
  {
    axis->SetCustomTickPositions(nullptr);
    return;
  }
  vtkNew<vtkDoubleArray> positions;
  for (int line = 0; line < int(lines); ++line)
    positions->InsertNextValue(first + line * spacing);
  axis->SetCustomTickPositions(positions);
}

void AxisDetailsCharts::applyTitle()
{
  const auto variable = m_variable->value().lock();
  std::string title = variable ? variable->name() : std::string();
  // The plots draw nothing along a text variable; the title says why.
  if (variable && !variable->isNumeric())
    title += " (text: not plotted)";
  m_chart->GetAxis(m_axis)->SetTitle(title);
}

void AxisDetailsCharts::announceRange()
{
  vtkAxis* axis = m_chart->GetAxis(m_axis);
  const double minimum = axis->GetMinimum();
  const double maximum = axis->GetMaximum();
  const bool minimumMoved = minimum != m_announcedRange[0];
  const bool maximumMoved = maximum != m_announcedRange[1];
  m_announcedRange[0] = minimum;
  m_announcedRange[1] = maximum;
  if (m_useCustomGridSpacing->value() && (minimumMoved || maximumMoved))
    applyGridSpacing();
  // A range stored through the properties is announced by them.
  if (m_storingRange)
    return;
  if (minimumMoved)
    m_minimum->signalValueChanged(minimum);
  if (maximumMoved)
    m_maximum->signalValueChanged(maximum);
}
