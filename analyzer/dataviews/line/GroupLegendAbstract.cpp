#include "analyzer/dataviews/line/GroupLegendAbstract.h"

#include "host/project/Variable.h"

#include <algorithm>
#include <limits>
#include <map>
#include <vtkBrush.h>
#include <vtkChart.h>
#include <vtkContext2D.h>
#include <vtkContextScene.h>
#include <vtkPen.h>
#include <vtkPlotPoints.h>
#include <vtkTable.h>
#include <vtkTextProperty.h>
#include <vtkVariant.h>

GroupLegendAbstract::GroupLegendAbstract()
{
  SetVisible(false);
  SetCacheBounds(false);
  SetDragEnabled(true);
  GetLabelProperties()->SetJustificationToLeft();
  GetLabelProperties()->SetVerticalJustificationToCentered();
}

GroupLegendAbstract::~GroupLegendAbstract() = default;

void GroupLegendAbstract::Update()
{
  // The rows come from the chart's plots, not from the labels the base class collects.
}

void GroupLegendAbstract::updateEntries()
{
  m_entries.clear();
  const auto variable = m_variable ? m_variable->value().lock() : nullptr;
  m_title = variable ? variable->name() : std::string();
  vtkChart* chart = GetChart();
  if (!variable || !chart)
    return;
  std::map<vtkVariant, Entry, vtkVariantLessThan> byValue;
  for (vtkIdType i = 0; i < chart->GetNumberOfPlots(); ++i)
  {
    auto* plot = vtkPlotPoints::SafeDownCast(chart->GetPlot(i));
    vtkTable* table = plot ? plot->GetInput() : nullptr;
    vtkAbstractArray* column = table ? table->GetColumnByName(m_title.c_str()) : nullptr;
    if (!column || column->GetNumberOfTuples() == 0)
      continue;
    const vtkVariant value = column->GetVariantValue(0);
    if (byValue.count(value))
      continue;
    Entry entry{ value.ToString(), {}, plot->GetMarkerStyle() };
    plot->GetColor(entry.color);
    byValue.emplace(value, entry);
  }
  for (const auto& item : byValue)
    m_entries.push_back(item.second);
}

float GroupLegendAbstract::rowHeight(vtkContext2D* painter)
{
  float bounds[4];
  painter->ApplyTextProp(GetLabelProperties());
  painter->ComputeStringBounds("The", bounds);
  return bounds[3] + float(Padding);
}

vtkRectf GroupLegendAbstract::GetBoundingRect(vtkContext2D* painter)
{
  updateEntries();
  const float row = rowHeight(painter);
  float widest = 0;
  float bounds[4];
  painter->ComputeStringBounds(m_title, bounds);
  const float titleWidth = bounds[2];
  for (const Entry& entry : m_entries)
  {
    painter->ComputeStringBounds(entry.label, bounds);
    widest = std::max(widest, bounds[2]);
  }
  const float width =
    std::max(titleWidth + 2 * Padding, widest + float(SymbolWidth) + 3 * float(Padding));
  const float height = row * float(rowsWithin(row, availableHeight())) + float(Padding);
  float x = Point[0] - width;
  float y = Point[1] - height;
  if (HorizontalAlignment == LEFT)
    x = Point[0];
  else if (HorizontalAlignment == CENTER)
    x = Point[0] - width / 2;
  if (VerticalAlignment == BOTTOM)
    y = Point[1];
  else if (VerticalAlignment == CENTER)
    y = Point[1] - height / 2;
  Rect = vtkRectf(x, y, width, height);
  return Rect;
}

bool GroupLegendAbstract::Paint(vtkContext2D* painter)
{
  vtkChart* chart = GetChart();
  if (!GetVisible() || !chart || chart->GetNumberOfPlots() == 0)
    return true;
  const vtkRectf rect = GetBoundingRect(painter);
  if (m_entries.empty())
    return true;
  painter->ApplyPen(GetPen());
  painter->ApplyBrush(GetBrush());
  painter->DrawRect(rect.GetX(), rect.GetY(), rect.GetWidth(), rect.GetHeight());
  painter->ApplyTextProp(GetLabelProperties());
  const float row = rowHeight(painter);
  const float left = rect.GetX() + float(Padding);
  float centre = rect.GetY() + rect.GetHeight() - float(Padding) / 2 - row / 2;
  painter->DrawString(left, centre, m_title);
  const std::size_t rows = rowsWithin(row, availableHeight());
  const std::size_t shown = rows - 1 < m_entries.size() ? rows - 2 : m_entries.size();
  for (std::size_t i = 0; i < shown; ++i)
  {
    centre -= row;
    drawSymbol(painter, m_entries[i], left, centre);
    painter->DrawString(left + float(SymbolWidth + Padding), centre, m_entries[i].label);
  }
  if (shown < m_entries.size())
    painter->DrawString(
      left, centre - row, "\u2026 " + std::to_string(m_entries.size() - shown) + " more");
  return true;
}

std::size_t GroupLegendAbstract::rowsWithin(float row, float available) const
{
  // The title, at least one entry and the row that counts the others.
  const std::size_t fitting = std::max<std::size_t>(3, std::size_t((available - Padding) / row));
  return std::min(m_entries.size() + 1, fitting);
}

float GroupLegendAbstract::availableHeight()
{
  vtkContextScene* scene = GetScene();
  if (!scene || scene->GetSceneHeight() <= 0)
    return std::numeric_limits<float>::max();
  const float height = float(scene->GetSceneHeight());
  // The legend grows away from its point: down from it unless aligned otherwise.
  float room = height - 2 * edgeMargin;
  if (VerticalAlignment == BOTTOM)
    room = height - Point[1] - edgeMargin;
  else if (VerticalAlignment != CENTER)
    room = Point[1] - edgeMargin;
  return std::min(room, height - 2 * edgeMargin);
}
