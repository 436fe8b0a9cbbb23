#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace Brosquin
{

// The program's picture, shown by the splash window and the About box: the OC curve of a single
// sampling plan on a white card, its AQL and LTPD points marked.
QPixmap ProductPicture(QSize size);

// A line shown with the picture (the program's name, its version): centred, in a font of the
// given pixel height.
QLabel* NewProductLabel(const QString& text, int pixelHeight, bool bold, QWidget* parent);

} // namespace Brosquin
