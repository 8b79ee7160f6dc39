// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Color.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class QEvent;
class QPainter;

namespace maskwell {

class TFieldView;

// The corners of the red zigzag under a marked range, in client coordinates:
// p1 and p2 are the top-left points of its first and last character, t the
// font's text height minus one. Teeth 3 pixels wide and 3 deep run along the
// bottom of the line from p1 to just past p2.
std::vector<QPoint> ErrorMarkerPoints(QPoint p1, QPoint p2, int t);

// How a field looks: its colours (normal, focused, modified, in error,
// disabled), the flat look with its line or soft border, the hot focus border,
// transparency, the grey empty text, the red error zigzag, the URL look and
// the hint that shows a value too long for the field. The line edit paints
// the field; the look sets its colours and frame and draws over it. The field
// tells the look what happened to it (focus, error, modified, enabled).
class TEditLook : public QObject {
    Q_OBJECT

public:
    explicit TEditLook(TFieldView& field);

    // The background now; assigning it also makes it the normal colour, the
    // one the focus and error looks return to.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The font colour now.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color) { SetCurrentFontColor(color); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor color);
    TColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(TColor color) { focusFontColor_ = color; }
    TColor ErrorColor() const { return errorColor_; }
    void SetErrorColor(TColor color) { errorColor_ = color; }
    TColor ErrorFontColor() const { return errorFontColor_; }
    void SetErrorFontColor(TColor color) { errorFontColor_ = color; }
    TColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(TColor color) { modifiedColor_ = color; }
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor color) { urlColor_ = color; }
    bool ShowError() const { return showError_; }
    void SetShowError(bool on) { showError_ = on; }
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool on) { showModified_ = on; }
    bool ShowURL() const { return showUrl_; }
    void SetShowURL(bool on) { showUrl_ = on; }

    bool Flat() const { return flat_; }
    // While the field loads, only the flag is kept; Loaded() applies it.
    void SetFlat(bool flat, bool loading);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor color);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool on);
    bool SoftBorder() const { return softBorder_; }
    void SetSoftBorder(bool on);
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    const QString& EmptyText() const { return emptyText_; }
    void SetEmptyText(const QString& text);
    int ErrorMarkerPos() const { return errorMarkerPos_; }
    void SetErrorMarkerPos(int pos);
    int ErrorMarkerLen() const { return errorMarkerLen_; }
    void SetErrorMarkerLen(int len);
    bool HintShowLargeText() const { return hintShowLargeText_; }
    void SetHintShowLargeText(bool on) { hintShowLargeText_ = on; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool on) { autoFocus_ = on; }

    // The colours the field is drawn with now, without touching the normal
    // ones.
    void SetBackground(TColor color);
    void SetCurrentFontColor(TColor color);

    // The look after the field's properties were loaded: the colours as
    // loaded become the normal ones and the flat look is applied.
    void Loaded();
    // The focus colours (unless an error or modified look holds), with the
    // font colour left to a URL look.
    void FocusEntered(bool error, bool url);
    void FocusLeft(bool error, bool url);
    void ErrorChanged(bool error, bool focused);
    void ModifiedChanged(bool modified);
    void EnabledChanged(bool enabled);

    // Underlined in URLColor with a hand cursor, or the normal look back.
    bool UrlLook() const { return urlLook_; }
    void SetUrlLook(bool on);

    // Qt's events to the field, after the line edit handled them.
    void EventAfter(const QEvent& event);
    // A press on a field that already had the focus opens a URL it shows.
    void Pressed(const QEvent& event, bool hadFocus);
    // The hint for a value wider than the field; false when it does not apply.
    bool ShowLargeTextHint();

    // Draws over what the line edit painted, with the drop caret of a drag
    // over the field at dropCaret unless that is (-1, -1).
    void Paint(QPainter& painter, QPoint dropCaret);

signals:
    // Color, FontColor or FocusColor is another now.
    void ColorChanged();
    void FontColorChanged();
    void FocusColorChanged();

private:
    void ApplyColors();
    void ApplyFlat();
    void SetTextRect(bool flat);
    TColor ParentBrushColor() const;
    bool FocusBorderHot() const;
    void DrawFocusBorder(QPainter& painter);
    void DrawErrorMarker(QPainter& painter, int pos, int len);
    void Update();

    TFieldView& field_;
    TColor color_ = clWindow;
    TColor fontColor_ = clWindowText;
    TColor normalColor_ = clWindow;
    TColor normalFontColor_ = clWindowText;
    TColor focusColor_ = clWindow;
    TColor focusFontColor_ = clWindowText;
    TColor errorColor_ = clRed;
    TColor errorFontColor_ = clWhite;
    TColor modifiedColor_ = clHighlight;
    TColor disabledColor_ = clSilver;
    TColor urlColor_ = clBlue;
    bool showError_ = false;
    bool showModified_ = false;
    bool showUrl_ = false;
    bool flat_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    bool softBorder_ = false;
    bool focusBorder_ = false;
    bool transparent_ = false;
    QString emptyText_;
    int errorMarkerPos_ = 0;
    int errorMarkerLen_ = 0;
    bool hintShowLargeText_ = false;
    bool autoFocus_ = false;
    bool framedBeforeFlat_ = true;
    std::optional<TColor> colorBeforeFlat_;
    bool urlLook_ = false;
    bool mouseInside_ = false;
};

} // namespace maskwell
