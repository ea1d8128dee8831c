#pragma once

#include "host/common/Variant.h"
#include "host/viewsupport/ImageViewProperties.h"
#include "property/NamedValueTranslator.h"

/// The layout of an image matrix: rows and columns each by nothing, by the images' first tag or
/// by a variable's values; pages by tag or by a variable, showing one page value at a time.
class ImageMatrixViewProperties : public ImageViewProperties
{
public:
  enum RowColumnDimensionBy
  {
    ByNothing = 0,
    ByTag = 1,
    ByVariable = 2
  };
  enum PageDimensionBy
  {
    PageByTag = 0,
    PageByVariable = 1
  };

  static const char* const nothingName;
  static const char* const tagName;
  static const char* const variableName;
  static const NamedValueTranslator<RowColumnDimensionBy>& rowColumnNames();
  static const NamedValueTranslator<PageDimensionBy>& pageNames();

  ImageMatrixViewProperties();
  ~ImageMatrixViewProperties() override;

  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> rowVar() const { return m_rowVar; }
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> columnVar() const
  {
    return m_columnVar;
  }
  /// With no page variable, pages by variable show everything on one page.
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> pageVar() const
  {
    return m_pageVar;
  }
  boost::shared_ptr<vantor::PropertyAbstract<RowColumnDimensionBy>> dimensionRowsBy() const
  {
    return m_dimensionRowsBy;
  }
  boost::shared_ptr<vantor::PropertyAbstract<RowColumnDimensionBy>> dimensionColumnsBy() const
  {
    return m_dimensionColumnsBy;
  }
  boost::shared_ptr<vantor::PropertyAbstract<PageDimensionBy>> dimensionPagesBy() const
  {
    return m_dimensionPagesBy;
  }
  /// The tag or variable value of the page shown; one not present shows the first page.
  boost::shared_ptr<vantor::PropertyAbstract<Variant>> pageValue() const { return m_pageValue; }

private:
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> m_rowVar;
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> m_columnVar;
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> m_pageVar;
  boost::shared_ptr<vantor::PropertyAbstract<RowColumnDimensionBy>> m_dimensionRowsBy;
  boost::shared_ptr<vantor::PropertyAbstract<RowColumnDimensionBy>> m_dimensionColumnsBy;
  boost::shared_ptr<vantor::PropertyAbstract<PageDimensionBy>> m_dimensionPagesBy;
  boost::shared_ptr<vantor::PropertyAbstract<Variant>> m_pageValue;
};
