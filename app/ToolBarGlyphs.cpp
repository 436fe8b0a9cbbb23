#include "app/ToolBarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Brosquin
{

namespace
{

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 90, 170);
const QColor kGreen(30, 130, 60);
const QColor kRed(190, 40, 40);
const QColor kYellow(235, 190, 60);

void vdPage(QPainter& p, const QRectF& r)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void vdDisk(QPainter& p)
{
    p.setBrush(kBlue);
    p.drawRect(QRectF(3.5, 3.5, 17, 17));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.drawRect(QRectF(7.5, 14.5, 9, 6));
}

void vdPrinter(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 2.5, 10, 8));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2.5, 9.5, 20, 9), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 15.5, 12, 6));
}

void vdMagnifier(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7),
               centre + QPointF(radius * 1.8, radius * 1.8));
}

void vdCheckBox(QPainter& p, const QRectF& box, bool bChecked)
{
    p.setBrush(kPaper);
    p.drawRect(box);
    if (!bChecked)
        return;
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({box.topLeft() + QPointF(2, box.height() / 2),
                              box.topLeft() + QPointF(box.width() / 2 - 1, box.height() - 2.5),
                              box.topRight() + QPointF(-1.5, 2)}));
    p.setPen(kInk);
}

void vdPencil(QPainter& p, const QPointF& tip)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({tip, tip + QPointF(2, -6), tip + QPointF(11, -15),
                             tip + QPointF(15, -11), tip + QPointF(6, -2)}));
}

void vdDraw(QPainter& p, ToolBarGlyph glyph)
{
    p.setPen(QPen(kInk, 1));
    switch (glyph)
    {
    case ToolBarGlyph::New:
        vdPage(p, QRectF(4.5, 2.5, 15, 19));
        break;
    case ToolBarGlyph::Open:
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF(
            {{2.5, 6.5}, {9.5, 6.5}, {11.5, 8.5}, {19.5, 8.5}, {19.5, 19.5}, {2.5, 19.5}}));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({{5.5, 11.5}, {22.5, 11.5}, {19.5, 19.5}, {2.5, 19.5}}));
        break;
    case ToolBarGlyph::Save:
        vdDisk(p);
        break;
    case ToolBarGlyph::SaveAs:
        vdDisk(p);
        vdPencil(p, QPointF(8, 23));
        break;
    case ToolBarGlyph::Print:
        vdPrinter(p);
        break;
    case ToolBarGlyph::PrintSetup:
        vdPrinter(p);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(18, 18), 4.5, 4.5);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(18, 18), 1.5, 1.5);
        break;
    case ToolBarGlyph::Copy:
        vdPage(p, QRectF(2.5, 2.5, 12, 15));
        vdPage(p, QRectF(9.5, 7.5, 12, 15));
        break;
    case ToolBarGlyph::EnterPlan:
        vdPage(p, QRectF(3.5, 2.5, 14, 19));
        p.setPen(QPen(kGreen, 3));
        p.drawLine(QPointF(18, 12), QPointF(18, 22));
        p.drawLine(QPointF(13, 17), QPointF(23, 17));
        break;
    case ToolBarGlyph::SelectPlans:
        vdPage(p, QRectF(3.5, 2.5, 14, 19));
        vdMagnifier(p, QPointF(13, 12), 5);
        break;
    case ToolBarGlyph::Evaluate:
    case ToolBarGlyph::MatchProtection:
    {
        p.drawLine(QPointF(3.5, 2), QPointF(3.5, 20.5));
        p.drawLine(QPointF(3.5, 20.5), QPointF(22, 20.5));
        QPainterPath oc;
        oc.moveTo(4, 4);
        oc.cubicTo(12, 4, 10, 19, 21, 19);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 2));
        p.drawPath(oc);
        if (glyph == ToolBarGlyph::MatchProtection)
        {
            p.setPen(QPen(kRed, 1.5, Qt::DashLine));
            QPainterPath second;
            second.moveTo(4, 6);
            second.cubicTo(14, 6, 8, 18, 21, 18);
            p.drawPath(second);
        }
        break;
    }
    case ToolBarGlyph::Edit:
        vdPage(p, QRectF(3.5, 2.5, 14, 19));
        vdPencil(p, QPointF(8, 21));
        break;
    case ToolBarGlyph::Duplicate:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 4.5, 19, 6));
        p.drawRect(QRectF(2.5, 13.5, 19, 6));
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(6, 7.5), QPointF(18, 7.5));
        p.drawLine(QPointF(6, 16.5), QPointF(18, 16.5));
        break;
    case ToolBarGlyph::Delete:
        p.setPen(QPen(kRed, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case ToolBarGlyph::CheckAll:
    case ToolBarGlyph::UncheckAll:
        for (qreal top : {2.5, 13.5})
            vdCheckBox(p, QRectF(5.5, top, 9, 9), glyph == ToolBarGlyph::CheckAll);
        break;
    case ToolBarGlyph::HelpContents:
        p.setBrush(kBlue);
        p.drawRect(QRectF(4.5, 2.5, 15, 19));
        p.setBrush(kPaper);
        p.drawRect(QRectF(7.5, 2.5, 12, 19));
        p.setPen(kInk);
        for (qreal y : {7.5, 11.5, 15.5})
            p.drawLine(QPointF(10, y), QPointF(17, y));
        break;
    case ToolBarGlyph::HelpSearch:
        vdMagnifier(p, QPointF(10, 10), 7);
        p.setPen(kBlue);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold));
        p.drawText(QRectF(3, 3, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case ToolBarGlyph::HomePage:
        p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(kBlue);
        p.drawEllipse(QPointF(12, 12), 4, 9.5);
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        break;
    }
}

} // namespace

QIcon ToolBarIcon(ToolBarGlyph glyph)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    vdDraw(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}

} // namespace Brosquin
