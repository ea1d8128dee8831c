#include "host/plotsupport/AxisRangePropertyAbstract.h"

#include <boost/make_shared.hpp>
#include <cmath>

namespace
{

class FiniteValueValidator : public vantor::ValidatorInterface<double>
{
public:
  explicit FiniteValueValidator(AxisRangePropertyAbstract::RangeType type)
    : m_type(type)
  {
  }

  vantor::ValidationResult validate(const double& value) const override
  {
    if (std::isfinite(value))
      return vantor::ValidationResult();
    const std::string end = m_type == AxisRangePropertyAbstract::Minimum ? "minimum" : "maximum";
    return vantor::ValidationResult::invalid("The axis " + end + " must be a finite number.");
  }

private:
  AxisRangePropertyAbstract::RangeType m_type;
};

} // namespace

AxisRangePropertyAbstract::AxisRangePropertyAbstract(vtkSmartPointer<vtkObject> object,
  RangeType type)
  : VTKPropertyAbstract<double>(std::move(object), boost::make_shared<FiniteValueValidator>(type))
  , m_type(type)
{
}
