#include "host/surrogate/SurrogateModelUserDistCollectionSerializer.h"

#include "host/common/NumberText.h"

#include <QDomDocument>
#include <QDomElement>
#include <QStringList>
#include <boost/lexical_cast.hpp>
#include <charconv>
#include <stdexcept>

namespace
{

const char* const distributionTag = "Distribution";

std::string pointsText(const std::vector<double>& points)
{
  std::string text;
  char buffer[32];
  for (double point : points)
  {
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), point);
    text += (text.empty() ? "" : " ") + std::string(buffer, result.ptr);
  }
  return text;
}

double readPoint(const std::string& text, const std::string& variable)
{
  double value = 0.0;
  switch (parseRealNumber(text, value))
  {
    case NumberTextStatus::Ok:
      return value;
    case NumberTextStatus::OutOfRange:
      throw std::out_of_range(
        "value distribution point " + text + " of " + variable + " is out of range");
    case NumberTextStatus::NotANumber:
      break;
  }
  throw boost::bad_lexical_cast(typeid(std::string), typeid(double));
}

int readMode(const std::string& text, const std::string& variable)
{
  int64_t mode = 0;
  if (parseWholeNumber(text, mode) != NumberTextStatus::Ok)
    throw boost::bad_lexical_cast(typeid(std::string), typeid(int));
  if (mode != 0 && mode != 1)
    throw std::out_of_range(
      "value distribution mode of " + variable + " must be 0 or 1, not " + text);
  return static_cast<int>(mode);
}

} // namespace

const char* const SurrogateModelUserDistCollectionSerializer::defaultName =
  "SurrogateModelUserDistCollection";

SurrogateModelUserDistCollectionSerializer::SurrogateModelUserDistCollectionSerializer(
  boost::shared_ptr<vantor::PropertyAbstract<SurrogateModelUserDistCollection>> property,
  const std::string& name)
  : Serializer(name)
  , m_property(std::move(property))
{
}

void SurrogateModelUserDistCollectionSerializer::serializeSelf(QDomElement& element) const
{
  QDomDocument document = element.ownerDocument();
  const SurrogateModelUserDistCollection collection = m_property->value();
  for (const auto& [name, distribution] : collection.distributions())
  {
    QDomElement child = document.createElement(distributionTag);
    child.setAttribute("Variable", QString::fromStdString(name));
    child.setAttribute("Mode", distribution.mode);
    child.appendChild(
      document.createTextNode(QString::fromStdString(pointsText(distribution.points))));
    element.appendChild(child);
  }
}

void SurrogateModelUserDistCollectionSerializer::deserializeSelf(QDomElement& element) const
{
  SurrogateModelUserDistCollection collection;
  for (QDomElement child = element.firstChildElement(distributionTag); !child.isNull();
       child = child.nextSiblingElement(distributionTag))
  {
    const std::string variable = child.attribute("Variable").toStdString();
    std::vector<double> points;
    for (const QString& text : child.text().split(' ', Qt::SkipEmptyParts))
      points.push_back(readPoint(text.toStdString(), variable));
    collection.setDistribution(
      variable, readMode(child.attribute("Mode").toStdString(), variable), std::move(points));
  }
  m_property->setValue(collection);
}
