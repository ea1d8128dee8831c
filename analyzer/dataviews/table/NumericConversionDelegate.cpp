#include "analyzer/dataviews/table/NumericConversionDelegate.h"

#include <QMessageBox>
#include <boost/lexical_cast.hpp>

void NumericConversionDelegate::setModelData(QWidget* editor,
  QAbstractItemModel* model,
  const QModelIndex& index) const
{
  try
  {
    QStyledItemDelegate::setModelData(editor, model, index);
  }
  catch (const boost::bad_lexical_cast& error)
  {
    QMessageBox::critical(nullptr,
      QStringLiteral("Invalid value"),
      QStringLiteral("The data you entered could not be converted to a numeric value.\n") +
        QString::fromLocal8Bit(error.what()));
  }
}
