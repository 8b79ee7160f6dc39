// SPDX-License-Identifier: MIT
#include "app/FormControls.h"

#include "controls/Label3D.h"

#include <QFontMetrics>
#include <QFrame>

namespace maskwell {

QFrame* RaisedPanel(QWidget* parent, const QRect& box) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(box);
    return panel;
}

TLabel3D* FormLabel(QWidget* parent, const QString& caption, const QRect& box, const QFont& font,
                    TAlignment alignment, TColor color) {
    auto* label = new TLabel3D(font, parent);
    label->SetAutoSize(false);
    label->SetTextStyle(Label3D::tsNone);
    label->SetLabelStyle(Label3D::lsDefault);
    label->SetBorder(false);
    label->SetShift(1);
    label->SetAlignment(alignment);
    label->SetTransparent(true);
    label->SetFont(font);
    label->SetFontColor(color);
    label->SetCaption(caption);

    QRect placed = box;
    const QFontMetrics metrics(font);
    const int grow = metrics.horizontalAdvance(caption) + 2 - placed.width();
    if (grow > 0) {
        if (alignment == taCenter)
            placed.adjust(-grow / 2, 0, grow - grow / 2, 0);
        else if (alignment == taRightJustify)
            placed.adjust(-grow, 0, 0, 0);
        else
            placed.adjust(0, 0, grow, 0);
    }
    placed.setHeight(std::max(placed.height(), metrics.height()));
    label->setGeometry(placed);
    return label;
}

TBevel* BevelLine(QWidget* parent, TBevel::TBevelShape shape, const QRect& box) {
    auto* bevel = new TBevel(parent, shape);
    bevel->setGeometry(box);
    return bevel;
}

} // namespace maskwell
