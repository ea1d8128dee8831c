#pragma once

#include <vtkSmartPointer.h>
#include <vtkTableToPolyData.h>

class vtkCellArray;
class vtkPoints;
class vtkTable;

/// Points from three columns of a table, one per row, with every column of the table as point
/// data in column order (shared, not copied): point-data array 0 is the case id. The points
/// are built again only when one of the three columns changed. Double columns are not copied:
/// the points read their values in place (three component arrays), so they are valid until
/// the columns change, that is until the next update of this stage.
class EntireTableToPolyData : public vtkTableToPolyData
{
public:
  vtkTypeMacro(EntireTableToPolyData, vtkTableToPolyData);
  static EntireTableToPolyData* New();

protected:
  EntireTableToPolyData() = default;
  ~EntireTableToPolyData() override = default;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  /// A column as the points were built from it: where its values lay then too, since the
  /// points may read them in place.
  struct Source
  {
    vtkSmartPointer<vtkAbstractArray> column;
    vtkMTimeType time = 0;
    void* values = nullptr;
    vtkIdType count = 0;
    bool operator==(const Source& other) const
    {
      return column == other.column && time == other.time && values == other.values &&
             count == other.count;
    }
  };

  bool buildPoints(vtkTable& input, vtkPolyData& output);
  bool reusePoints(vtkTable& input, vtkPolyData& output);
  void remember(vtkTable& input, vtkPolyData& output);
  Source source(vtkTable& input, const char* name) const;

  Source m_sources[3];
  vtkMTimeType m_builtAt = 0;
  vtkSmartPointer<vtkPoints> m_points;
  vtkSmartPointer<vtkCellArray> m_vertices;

  EntireTableToPolyData(const EntireTableToPolyData&) = delete;
  void operator=(const EntireTableToPolyData&) = delete;
};
