#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <QString>
#include <vector>

class DataViewInterface;
class DataViewManagerInterface;
class ImageFileLoaderInterface;
class QWidget;

/// What the explorer does with image views besides showing them.
namespace ImageViewActions
{

/// The images selected in an image view; none for other kinds of view.
std::vector<AuxFilePtr> selectedImages(DataViewInterface& view);

/// Asks which of the images selected in the view is the reference and opens a difference view
/// of the others against it. Says so when fewer than two images are selected.
void compareSelectedImages(QWidget* parent,
  DataViewManagerInterface& manager,
  DataViewInterface& view);

/// Whether the kind (a ViewKinds name) is an image view that is written as a picture.
bool isPictured(const QString& kind);

/// Writes what the view's container shows as a PNG, once the visible thumbnails have arrived.
/// Throws vantor::ExceptionBase when the file cannot be written.
void writePicture(QWidget& container, ImageFileLoaderInterface& loader, const QString& path);

} // namespace ImageViewActions
