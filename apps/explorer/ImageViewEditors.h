#pragma once

#include <boost/shared_ptr.hpp>

class ImageMatrixViewProperties;
class ImageViewProperties;
class QFormLayout;
class QWidget;

/// The Properties panel rows of the image views: zoom, labels, the tags and tag groups to
/// show and, for a matrix, what the rows, columns and pages are laid out by.
namespace ImageViewEditors
{

void addViewSettings(QFormLayout& layout, QWidget& parent, const ImageViewProperties& properties);
void addLayoutSettings(QFormLayout& layout,
  QWidget& parent,
  const ImageMatrixViewProperties& properties);
/// A checkable list of the project's tags (or tag groups), in sorted (or project) order.
QWidget* makeTagEditor(const ImageViewProperties& properties, bool groups, QWidget* parent);

} // namespace ImageViewEditors
