#include "widgets/StyleComboBox.h"

#include "platform/PainterCanvas.h"

#include <QStylePainter>
#include <QStyledItemDelegate>

namespace Brosquin
{

namespace
{

class StyleItemDelegate : public QStyledItemDelegate
{
public:
    explicit StyleItemDelegate(TStyleComboBox& list) : QStyledItemDelegate(&list), list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        list.vdPaintItem(*painter, index.row(), option.rect,
                         option.state & (QStyle::State_Selected | QStyle::State_HasFocus));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), list.fontMetrics().height() + 4);
    }

private:
    TStyleComboBox& list;
};

} // namespace

TStyleComboBox::TStyleComboBox(DrawItem drawItem, QWidget* parent)
    : QComboBox(parent), drawItem(drawItem)
{
    setItemDelegate(new StyleItemDelegate(*this));
}

void TStyleComboBox::vdPaintItem(QPainter& painter, int item, const QRect& rect, bool focused) const
{
    PainterCanvas canvas(painter);
    Font font;
    font.face = this->font().family().toStdString();
    font.height = fontMetrics().height();
    canvas.vdSetFont(font);
    const ItemRect box{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    vdDrawItemBackground(canvas, box, focused);
    drawItem(canvas, item, box);
}

void TStyleComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    vdPaintItem(painter, currentIndex(), field, hasFocus());
}

} // namespace Brosquin
