#include "host/serialization/QColorSerializer.h"

#include <QDomElement>
#include <boost/lexical_cast.hpp>
#include <stdexcept>

namespace
{

struct Channel
{
  const char* attribute;
  int (QColor::*get)() const;
  void (QColor::*set)(int);
};

const Channel channels[] = {
  { "Red", &QColor::red, &QColor::setRed },
  { "Green", &QColor::green, &QColor::setGreen },
  { "Blue", &QColor::blue, &QColor::setBlue },
  { "Alpha", &QColor::alpha, &QColor::setAlpha },
};

int channelValue(const Channel& channel, const QString& text)
{
  const int value = boost::lexical_cast<int>(text.toStdString());
  if (value < 0 || value > 255)
    throw std::out_of_range(std::string("colour channel ") + channel.attribute +
                            " must be from 0 to 255, not " + text.toStdString());
  return value;
}

} // namespace

QColorSerializer::QColorSerializer(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<QColor>> property)
  : Serializer(name)
  , m_property(std::move(property))
{
}

void QColorSerializer::serializeSelf(QDomElement& element) const
{
  const QColor color = m_property->value();
  for (const Channel& channel : channels)
    element.setAttribute(channel.attribute, (color.*channel.get)());
}

void QColorSerializer::deserializeSelf(QDomElement& element) const
{
  QColor color = m_property->value();
  for (const Channel& channel : channels)
  {
    const QString text = element.attribute(channel.attribute);
    if (!text.isEmpty())
      (color.*channel.set)(channelValue(channel, text));
  }
  m_property->setValue(color);
}
