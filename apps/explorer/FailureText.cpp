#include "apps/explorer/FailureText.h"

#include "host/core/ExceptionBase.h"
#include "host/core/InvalidPropertyValueException.h"

#include <boost/lexical_cast/bad_lexical_cast.hpp>
#include <new>
#include <stdexcept>

QString FailureText::reason(const std::exception_ptr& failure)
{
  try
  {
    std::rethrow_exception(failure);
  }
  catch (const boost::bad_lexical_cast&)
  {
    return QStringLiteral("the text there is not a value of the expected kind (a number, or "
                          "true/false)");
  }
  catch (const std::out_of_range&)
  {
    return QStringLiteral("the value there is not one of the choices the setting allows, or the "
                          "number is out of range");
  }
  catch (const vantor::InvalidPropertyValueException& error)
  {
    return QStringLiteral("the setting does not accept that value (%1)")
      .arg(QString::fromStdString(error.message()));
  }
  catch (const vantor::ExceptionBase& error)
  {
    return QString::fromStdString(error.message());
  }
  catch (const std::bad_alloc&)
  {
    return QStringLiteral("there is not enough memory");
  }
  // A library's own text means nothing to the user; the operation is what they can act on.
  catch (const std::exception&)
  {
    return QStringLiteral("an unexpected error occurred");
  }
  catch (...)
  {
    return QStringLiteral("an unknown error occurred");
  }
}
