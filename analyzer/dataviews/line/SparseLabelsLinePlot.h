#pragma once

#include <vtkNew.h>
#include <vtkPlotLine.h>

class vtkPoints2D;

/// A line that draws its markers at no more than five of its points (first, quarters, last), so
/// that a dense predicted line still shows which symbol group it belongs to.
class SparseLabelsLinePlot : public vtkPlotLine
{
public:
  static SparseLabelsLinePlot* New();
  vtkTypeMacro(SparseLabelsLinePlot, vtkPlotLine);

  static constexpr int markerBudget = 5;

  void Update() override;
  bool Paint(vtkContext2D* painter) override;

  /// The points that carry markers when the line has more points than the budget.
  vtkPoints2D* sparsePoints() { return m_sparsePoints; }

protected:
  SparseLabelsLinePlot();
  ~SparseLabelsLinePlot() override;

private:
  vtkNew<vtkPoints2D> m_sparsePoints;

  SparseLabelsLinePlot(const SparseLabelsLinePlot&) = delete;
  void operator=(const SparseLabelsLinePlot&) = delete;
};
