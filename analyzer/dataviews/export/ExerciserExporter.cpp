#include "analyzer/dataviews/export/ExerciserExporter.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/export/PNGExporter.h"
#include "host/filesystem/FileInfo.h"
#include "host/viewsupport/DataViewVisitorAbstract.h"

#include <boost/make_shared.hpp>
#include <vtkDelimitedTextWriter.h>
#include <vtkNew.h>
#include <vtkTableAlgorithm.h>

class ExerciserExporter::Impl : public DataViewVisitorAbstract
{
public:
  explicit Impl(boost::filesystem::path path)
    : DataViewVisitorAbstract(AcceptAnyView)
    , m_path(std::move(path))
  {
  }

  const boost::filesystem::path& path() const { return m_path; }

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override
  {
    if (view->derivedDataShow()->value())
      writeCSV(view->derivedData());
  }
  void visit(boost::shared_ptr<LinePlotInterface> view) override
  {
    if (view->showDerivedData()->value())
      writeCSV(view->derivedData());
  }

private:
  void writeCSV(const vtkSmartPointer<vtkTableAlgorithm>& algorithm) const
  {
    if (!algorithm)
      return;
    boost::filesystem::path csv = m_path;
    csv.replace_extension(".csv");
    vtkNew<vtkDelimitedTextWriter> writer;
    writer->SetInputConnection(algorithm->GetOutputPort());
    writer->SetFileName(csv.generic_string().c_str());
    writer->Write();
  }

  boost::filesystem::path m_path;
};

ExerciserExporter::ExerciserExporter(const boost::filesystem::path& path)
  : m_impl(std::make_unique<Impl>(path))
{
}

ExerciserExporter::~ExerciserExporter() = default;

ExerciserExporter::ExerciserExporter(const ExerciserExporter& other)
  : ViewExporterInterface(other)
  , m_impl(std::make_unique<Impl>(*other.m_impl))
{
}

ExerciserExporter& ExerciserExporter::operator=(const ExerciserExporter& other)
{
  *m_impl = *other.m_impl;
  return *this;
}

void ExerciserExporter::exportView(DataViewInterface& view)
{
  auto file = boost::make_shared<FileInfo>(m_impl->path().generic_string());
  PNGExporter(file, { 300, 240 }, WindowAntialiasing).exportView(view);
  view.accept(*m_impl);
}
