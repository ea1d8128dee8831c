#pragma once

#include <QString>

/// Plain white backgrounds with a blue frame around selected images.
QString imageListViewStylesheet();
QString imageTableViewStylesheet();
