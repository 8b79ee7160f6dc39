// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace maskwell {

// An etched line or frame drawn inside its box, as forms use to divide a
// window: a shadow line with a highlight line beside it (lowered), or the
// other way round (raised).
class TBevel : public QWidget {
    Q_OBJECT

public:
    enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
    enum TBevelStyle { bsLowered, bsRaised };

    explicit TBevel(QWidget* parent = nullptr, TBevelShape shape = bsBox,
                    TBevelStyle style = bsLowered);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape shape_;
    TBevelStyle style_;
};

} // namespace maskwell
