#include "analyzer/dataviews/PointSpriteBugFixingRenderWindow.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(PointSpriteBugFixingRenderWindow);
