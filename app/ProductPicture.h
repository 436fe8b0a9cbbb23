#pragma once

#include <QPixmap>
#include <QSize>

namespace Brosquin
{

// The program's picture, shown by the splash window and the About box: the OC curve of a single
// sampling plan on a white card, its AQL and LTPD points marked.
QPixmap ProductPicture(QSize size);

} // namespace Brosquin
