#include "host/viewsupport/ImageMatrixViewProperties.h"

#include "property/Property.h"
#include "property/UndoablePropertyProxy.h"

const char* const ImageMatrixViewProperties::nothingName = "Nothing";
const char* const ImageMatrixViewProperties::tagName = "Tag";
const char* const ImageMatrixViewProperties::variableName = "Variable";

namespace
{

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoable(const std::string& label, const T& value)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(
    label, boost::make_shared<vantor::Property<T>>(value));
}

} // namespace

const NamedValueTranslator<ImageMatrixViewProperties::RowColumnDimensionBy>&
ImageMatrixViewProperties::rowColumnNames()
{
  static const NamedValueTranslator<RowColumnDimensionBy> names =
    NamedValueTranslator<RowColumnDimensionBy>()
      .add(nothingName, ByNothing)
      .add(tagName, ByTag)
      .add(variableName, ByVariable);
  return names;
}

const NamedValueTranslator<ImageMatrixViewProperties::PageDimensionBy>&
ImageMatrixViewProperties::pageNames()
{
  static const NamedValueTranslator<PageDimensionBy> names = NamedValueTranslator<PageDimensionBy>()
                                                               .add(tagName, PageByTag)
                                                               .add(variableName, PageByVariable);
  return names;
}

ImageMatrixViewProperties::ImageMatrixViewProperties()
  : m_rowVar(undoable<WeakPtr<Variable>>("Rows Variable", {}))
  , m_columnVar(undoable<WeakPtr<Variable>>("Columns Variable", {}))
  , m_pageVar(undoable<WeakPtr<Variable>>("Pages Variable", {}))
  , m_dimensionRowsBy(undoable<RowColumnDimensionBy>("Rows By", ByNothing))
  , m_dimensionColumnsBy(undoable<RowColumnDimensionBy>("Columns By", ByNothing))
  , m_dimensionPagesBy(undoable<PageDimensionBy>("Pages By", PageByVariable))
  , m_pageValue(undoable<Variant>("Page", Variant()))
{
}

ImageMatrixViewProperties::~ImageMatrixViewProperties() = default;
