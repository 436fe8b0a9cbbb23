#include "app/ProductPicture.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace Brosquin
{

namespace
{

// The plan n = 50, c = 1 in lots of any size: Pa(p) = (1 - p)^50 + 50 p (1 - p)^49.
double Pa(double p)
{
    return std::pow(1 - p, 50) + 50 * p * std::pow(1 - p, 49);
}

} // namespace

QPixmap ProductPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(picture.rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, card.width() / 16, card.width() / 16);

    // The plot area, p from 0 to 0.1 across, Pa from 0 to 1 up.
    const QRectF area = card.adjusted(card.width() * 0.14, card.height() * 0.1,
                                      -card.width() * 0.08, -card.height() * 0.14);
    const auto at = [&area](double p, double pa)
    { return QPointF(area.left() + p / 0.1 * area.width(), area.bottom() - pa * area.height()); };
    painter.setPen(QPen(QColor(64, 64, 64), 1.5));
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    QPainterPath curve(at(0, Pa(0)));
    for (int step = 1; step <= 100; ++step)
        curve.lineTo(at(step * 0.001, Pa(step * 0.001)));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 255), std::max(2.0, size.width() / 60.0)));
    painter.drawPath(curve);

    // Pa is 0.95 near p = 0.00715 and 0.10 near p = 0.0756.
    painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DashLine));
    for (const auto& [p, pa] : {std::pair{0.00715, 0.95}, std::pair{0.0756, 0.10}})
    {
        painter.drawLine(at(p, 0), at(p, pa));
        painter.drawLine(at(0, pa), at(p, pa));
    }
    return picture;
}

QLabel* NewProductLabel(const QString& text, int pixelHeight, bool bold, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    font.setPixelSize(pixelHeight);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace Brosquin
