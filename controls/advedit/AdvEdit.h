// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "controls/advedit/AdvEditSettings.h"
#include "controls/advedit/AdvEditTypes.h"
#include "controls/advedit/AdvEditTyping.h"
#include "platform/Color.h"
#include "platform/NotifyEvent.h"

#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <cstdint>
#include <optional>

class QLabel;
class QPainter;

namespace maskwell {

class TListHintWindow;

using TMouseEvent = std::function<void(QObject* sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;

// A single-line edit that keeps a value between a fixed Prefix and Suffix,
// filters and formats it by EditType, marks modified and invalid values in
// colour, changes colour, width and alignment while it has the focus, restores
// the value on Escape and lets handlers veto clipboard operations.
//
// The window text is the line edit's text(); Text() is the value without
// prefix and suffix. The text rules live in AdvEditText.h and the keyboard,
// mouse and paste decisions in AdvEditTyping.h; this class turns Qt's events
// into those calls and applies what they decide.
//
// A form that builds its controls in code may call BeginLoading() before it
// sets their properties and must call Loaded() once afterwards.
class TAdvEdit : public QLineEdit {
    Q_OBJECT
    // Published for forms, in their stored order. The Lookup and Persistence
    // settings are published property by property, each name led by its
    // object's: Lookup.DisplayList is Lookup_DisplayList.
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(bool AutoFocus READ AutoFocus WRITE setAutoFocus)
    Q_PROPERTY(bool AutoThousandSeparator READ AutoThousandSeparator WRITE setAutoThousandSeparator)
    Q_PROPERTY(maskwell::AdvEditEnums::TEditAlign EditAlign READ EditAlign WRITE setEditAlign)
    Q_PROPERTY(maskwell::AdvEditEnums::TAdvEditType EditType READ EditType WRITE setEditType)
    Q_PROPERTY(QString EmptyText READ EmptyText WRITE setEmptyText)
    Q_PROPERTY(int ErrorMarkerPos READ ErrorMarkerPos WRITE setErrorMarkerPos)
    Q_PROPERTY(int ErrorMarkerLen READ ErrorMarkerLen WRITE setErrorMarkerLen)
    Q_PROPERTY(QColor ErrorColor READ ErrorColorRgb WRITE setErrorColor)
    Q_PROPERTY(QColor ErrorFontColor READ ErrorFontColorRgb WRITE setErrorFontColor)
    Q_PROPERTY(bool ExcelStyleDecimalSeparator READ ExcelStyleDecimalSeparator WRITE
                   setExcelStyleDecimalSeparator)
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
    Q_PROPERTY(QColor FlatLineColor READ FlatLineColorRgb WRITE setFlatLineColor)
    Q_PROPERTY(bool FlatParentColor READ FlatParentColor WRITE setFlatParentColor)
    Q_PROPERTY(maskwell::AdvEditEnums::TEditAlign FocusAlign READ FocusAlign WRITE setFocusAlign)
    Q_PROPERTY(bool FocusBorder READ FocusBorder WRITE setFocusBorder)
    Q_PROPERTY(QColor FocusColor READ FocusColorRgb WRITE setFocusColor)
    Q_PROPERTY(QColor FocusFontColor READ FocusFontColorRgb WRITE setFocusFontColor)
    Q_PROPERTY(bool FocusLabel READ FocusLabel WRITE setFocusLabel)
    Q_PROPERTY(int FocusWidthInc READ FocusWidthInc WRITE setFocusWidthInc)
    Q_PROPERTY(QColor ModifiedColor READ ModifiedColorRgb WRITE setModifiedColor)
    Q_PROPERTY(QColor DisabledColor READ DisabledColorRgb WRITE setDisabledColor)
    Q_PROPERTY(bool ShowError READ ShowError WRITE setShowError)
    Q_PROPERTY(bool ShowModified READ ShowModified WRITE setShowModified)
    Q_PROPERTY(bool ShowURL READ ShowURL WRITE setShowURL)
    Q_PROPERTY(bool SoftBorder READ SoftBorder WRITE setSoftBorder)
    Q_PROPERTY(QColor URLColor READ URLColorRgb WRITE setURLColor)
    Q_PROPERTY(bool ReturnIsTab READ ReturnIsTab WRITE setReturnIsTab)
    Q_PROPERTY(int LengthLimit READ LengthLimit WRITE setLengthLimit)
    Q_PROPERTY(bool TabOnFullLength READ TabOnFullLength WRITE setTabOnFullLength)
    Q_PROPERTY(int Precision READ Precision WRITE setPrecision)
    Q_PROPERTY(QString Prefix READ Prefix WRITE setPrefix)
    Q_PROPERTY(QString Suffix READ Suffix WRITE setSuffix)
    Q_PROPERTY(QString LabelCaption READ LabelCaption WRITE setLabelCaption)
    Q_PROPERTY(maskwell::AdvEditEnums::TLabelPosition LabelPosition READ LabelPosition WRITE
                   setLabelPosition)
    Q_PROPERTY(int LabelMargin READ LabelMargin WRITE setLabelMargin)
    Q_PROPERTY(bool LabelTransparent READ LabelTransparent WRITE setLabelTransparent)
    Q_PROPERTY(bool LabelAlwaysEnabled READ LabelAlwaysEnabled WRITE setLabelAlwaysEnabled)
    Q_PROPERTY(QFont LabelFont READ LabelFont WRITE setLabelFont)
    Q_PROPERTY(bool Lookup_CaseSensitive READ LookupCaseSensitive WRITE setLookup_CaseSensitive)
    Q_PROPERTY(QColor Lookup_Color READ LookupColor WRITE setLookup_Color)
    Q_PROPERTY(int Lookup_DisplayCount READ LookupDisplayCount WRITE setLookup_DisplayCount)
    Q_PROPERTY(QStringList Lookup_DisplayList READ LookupDisplayList WRITE setLookup_DisplayList)
    Q_PROPERTY(bool Lookup_Enabled READ LookupEnabled WRITE setLookup_Enabled)
    Q_PROPERTY(int Lookup_NumChars READ LookupNumChars WRITE setLookup_NumChars)
    Q_PROPERTY(QStringList Lookup_ValueList READ LookupValueList WRITE setLookup_ValueList)
    Q_PROPERTY(bool Persistence_Enable READ PersistenceEnable WRITE setPersistence_Enable)
    Q_PROPERTY(QString Persistence_Key READ PersistenceKey WRITE setPersistence_Key)
    Q_PROPERTY(QString Persistence_Section READ PersistenceSection WRITE setPersistence_Section)
    Q_PROPERTY(maskwell::AdvEditEnums::TPersistenceLocation Persistence_Location READ
                   PersistenceLocation WRITE setPersistence_Location)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(
        maskwell::AdvEditEnums::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE setPasswordChar)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QColor FontColor READ FontColorRgb WRITE setFontColor)
    Q_PROPERTY(bool CanUndo READ CanUndo WRITE setCanUndo)
    Q_PROPERTY(QColor Color READ ColorRgb WRITE setColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool OleDropTarget READ OleDropTarget WRITE setOleDropTarget)
    Q_PROPERTY(bool OleDropSource READ OleDropSource WRITE setOleDropSource)
    Q_PROPERTY(bool Signed READ Signed WRITE setSigned)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool HintShowLargeText READ HintShowLargeText WRITE setHintShowLargeText)
    // One text for forms: Text, the value, stored and read as EditType says.
    // The line edit's own window text would bypass the edit type; it is
    // neither shown in a designer nor stored.
    Q_PROPERTY(QString text READ text WRITE setText DESIGNABLE false STORED false)

public:
    // The height a field is made for (a new one is 121 x 21).
    static constexpr int DefaultHeight = 21;

    explicit TAdvEdit(QWidget* parent = nullptr);
    ~TAdvEdit() override;

    // The line edit's, but never taller than DefaultHeight: with a designer's
    // font a line edit asks for more, and a new field would be placed taller.
    QSize minimumSizeHint() const override;

    // The value: the window text without Prefix and Suffix. Assigning it
    // normalises it for the edit type and clears the modified state.
    QString Text() const;
    void SetText(const QString& value);

    double FloatValue() const;
    void SetFloatValue(double value);
    void SetIntValue(std::int32_t value);
    // Regroups the integer part of an etMoney value; the caret keeps its place.
    void FormatMoney();
    void SelectValue();
    void CaretBeforeDecimal();
    void CaretAfterDecimal();
    bool Modified() const { return isModified(); }
    void SetModified(bool modified);
    bool ErrorState() const { return error_; }
    void SetError(bool error);
    bool IsUrl() const;
    int CharIndexAt(const QPoint& point);
    // Top-left client point of character index; past the last character, the
    // point just right of it; (0, 0) for an empty text.
    QPoint CaretPointOfChar(int index) const;

    // The text kept between runs (Persistence); both do nothing unless enabled.
    virtual void LoadPersistence();
    virtual void SavePersistence();

    // The form's loading phase: setters only store what the after-loading
    // steps of Loaded() then apply.
    void BeginLoading() { loading_ = true; }
    bool Loading() const { return loading_; }
    void Loaded();

    // Published properties, in their stored order.
    int Height() const { return height(); }
    void SetHeight(int height);
    int Width() const { return width(); }
    void SetWidth(int width);
    void SetBounds(int left, int top, int width, int height);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& hint) { setToolTip(hint); }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool autoFocus) { autoFocus_ = autoFocus; }
    bool AutoThousandSeparator() const { return autoThousandSeparator_; }
    void SetAutoThousandSeparator(bool on);
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign align);
    TAdvEditType EditType() const { return editType_; }
    void SetEditType(TAdvEditType type);
    const QString& EmptyText() const { return emptyText_; }
    void SetEmptyText(const QString& text);
    int ErrorMarkerPos() const { return errorMarkerPos_; }
    void SetErrorMarkerPos(int pos);
    int ErrorMarkerLen() const { return errorMarkerLen_; }
    void SetErrorMarkerLen(int len);
    TColor ErrorColor() const { return errorColor_; }
    void SetErrorColor(TColor color) { errorColor_ = color; }
    TColor ErrorFontColor() const { return errorFontColor_; }
    void SetErrorFontColor(TColor color) { errorFontColor_ = color; }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool on) { excelStyleDecimalSeparator_ = on; }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor color);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool on);
    TEditAlign FocusAlign() const { return focusAlign_; }
    void SetFocusAlign(TEditAlign align) { focusAlign_ = align; }
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool on);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor color) { focusColor_ = color; }
    TColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(TColor color) { focusFontColor_ = color; }
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool on) { focusLabel_ = on; }
    int FocusWidthInc() const { return focusWidthInc_; }
    void SetFocusWidthInc(int pixels) { focusWidthInc_ = pixels; }
    TColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(TColor color) { modifiedColor_ = color; }
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color);
    bool ShowError() const { return showError_; }
    void SetShowError(bool on) { showError_ = on; }
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool on) { showModified_ = on; }
    bool ShowURL() const { return showUrl_; }
    void SetShowURL(bool on) { showUrl_ = on; }
    bool SoftBorder() const { return softBorder_; }
    void SetSoftBorder(bool on);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor color) { urlColor_ = color; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool on) { returnIsTab_ = on; }
    int LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(int limit) { lengthLimit_ = limit; }
    bool TabOnFullLength() const { return tabOnFullLength_; }
    void SetTabOnFullLength(bool on) { tabOnFullLength_ = on; }
    int Precision() const { return precision_; }
    void SetPrecision(int precision);
    const QString& Prefix() const { return prefix_; }
    void SetPrefix(const QString& prefix);
    const QString& Suffix() const { return suffix_; }
    void SetSuffix(const QString& suffix);
    const QString& LabelCaption() const { return labelCaption_; }
    void SetLabelCaption(const QString& caption);
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition position);
    int LabelMargin() const { return labelMargin_; }
    void SetLabelMargin(int margin);
    bool LabelTransparent() const { return labelTransparent_; }
    void SetLabelTransparent(bool on);
    bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool on);
    const QFont& LabelFont() const { return labelFont_; }
    void SetLabelFont(const QFont& font);
    TLookupSettings& Lookup() { return lookup_; }
    const TLookupSettings& Lookup() const { return lookup_; }
    TPersistence& Persistence() { return persistence_; }
    const TPersistence& Persistence() const { return persistence_; }
    // Republished from the base edit (the font itself is QWidget::font()).
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle style) { setFrame(style == bsSingle); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar passwordChar);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool CanUndo() const { return canUndo_; }
    void SetCanUndo(bool on);
    // The background; it also becomes the colour the focus and error looks
    // return to.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The field's own enabled flag, Qt's: a disabled parent leaves it set but
    // still gives the field its disabled look (see changeEvent).
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool OleDropTarget() const { return oleDropTarget_; }
    void SetOleDropTarget(bool on);
    bool OleDropSource() const { return oleDropSource_; }
    void SetOleDropSource(bool on) { oleDropSource_ = on; }
    // The drop caret (AdvEditDrag.cpp): where a drag over the field would drop
    // its text, (-1, -1) while there is none; the painting draws it.
    void UpdateDropCaret();
    void ClearDropCaret();
    QPoint DropCaretPoint() const { return dropCaretPoint_; }
    bool Signed() const { return signed_; }
    void SetSigned(bool on) { signed_ = on; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible);
    bool HintShowLargeText() const { return hintShowLargeText_; }
    void SetHintShowLargeText(bool on) { hintShowLargeText_ = on; }

    // The colour and settings-object properties as forms hold them.
    MASKWELL_RGB_ACCESSORS(ErrorColor)
    MASKWELL_RGB_ACCESSORS(ErrorFontColor)
    MASKWELL_RGB_ACCESSORS(FlatLineColor)
    MASKWELL_RGB_ACCESSORS(FocusColor)
    MASKWELL_RGB_ACCESSORS(FocusFontColor)
    MASKWELL_RGB_ACCESSORS(ModifiedColor)
    MASKWELL_RGB_ACCESSORS(DisabledColor)
    MASKWELL_RGB_ACCESSORS(URLColor)
    MASKWELL_RGB_ACCESSORS(FontColor)
    MASKWELL_RGB_ACCESSORS(Color)
    bool LookupCaseSensitive() const { return lookup_.CaseSensitive(); }
    void SetLookupCaseSensitive(bool value) { lookup_.SetCaseSensitive(value); }
    QColor LookupColor() const { return ResolveColor(lookup_.Color()); }
    void SetLookupColor(const QColor& value) { lookup_.SetColor(ToTColor(value)); }
    int LookupDisplayCount() const { return lookup_.DisplayCount(); }
    void SetLookupDisplayCount(int value) { lookup_.SetDisplayCount(value); }
    QStringList LookupDisplayList() const { return lookup_.DisplayList(); }
    void SetLookupDisplayList(const QStringList& value) { lookup_.SetDisplayList(value); }
    bool LookupEnabled() const { return lookup_.Enabled(); }
    void SetLookupEnabled(bool value) { lookup_.SetEnabled(value); }
    int LookupNumChars() const { return lookup_.NumChars(); }
    void SetLookupNumChars(int value) { lookup_.SetNumChars(value); }
    QStringList LookupValueList() const { return lookup_.ValueList(); }
    void SetLookupValueList(const QStringList& value) { lookup_.SetValueList(value); }
    bool PersistenceEnable() const { return persistence_.Enable(); }
    void SetPersistenceEnable(bool value) { persistence_.SetEnable(value); }
    QString PersistenceKey() const { return persistence_.Key(); }
    void SetPersistenceKey(const QString& value) { persistence_.SetKey(value); }
    QString PersistenceSection() const { return persistence_.Section(); }
    void SetPersistenceSection(const QString& value) { persistence_.SetSection(value); }
    TPersistenceLocation PersistenceLocation() const { return persistence_.Location(); }
    void SetPersistenceLocation(TPersistenceLocation value) { persistence_.SetLocation(value); }

    // The setters forms compiled by uic call (set + the property name); each
    // hands the value to the setter above, so its rules apply.
    void setTabStop(bool value) { SetTabStop(value); }
    void setAutoFocus(bool value) { SetAutoFocus(value); }
    void setAutoThousandSeparator(bool value) { SetAutoThousandSeparator(value); }
    void setEditAlign(AdvEditEnums::TEditAlign value) { SetEditAlign(value); }
    void setEditType(AdvEditEnums::TAdvEditType value) { SetEditType(value); }
    void setEmptyText(const QString& value) { SetEmptyText(value); }
    void setErrorMarkerPos(int value) { SetErrorMarkerPos(value); }
    void setErrorMarkerLen(int value) { SetErrorMarkerLen(value); }
    void setErrorColor(const QColor& value) { SetErrorColorRgb(value); }
    void setErrorFontColor(const QColor& value) { SetErrorFontColorRgb(value); }
    void setExcelStyleDecimalSeparator(bool value) { SetExcelStyleDecimalSeparator(value); }
    void setFlat(bool value) { SetFlat(value); }
    void setFlatLineColor(const QColor& value) { SetFlatLineColorRgb(value); }
    void setFlatParentColor(bool value) { SetFlatParentColor(value); }
    void setFocusAlign(AdvEditEnums::TEditAlign value) { SetFocusAlign(value); }
    void setFocusBorder(bool value) { SetFocusBorder(value); }
    void setFocusColor(const QColor& value) { SetFocusColorRgb(value); }
    void setFocusFontColor(const QColor& value) { SetFocusFontColorRgb(value); }
    void setFocusLabel(bool value) { SetFocusLabel(value); }
    void setFocusWidthInc(int value) { SetFocusWidthInc(value); }
    void setModifiedColor(const QColor& value) { SetModifiedColorRgb(value); }
    void setDisabledColor(const QColor& value) { SetDisabledColorRgb(value); }
    void setShowError(bool value) { SetShowError(value); }
    void setShowModified(bool value) { SetShowModified(value); }
    void setShowURL(bool value) { SetShowURL(value); }
    void setSoftBorder(bool value) { SetSoftBorder(value); }
    void setURLColor(const QColor& value) { SetURLColorRgb(value); }
    void setReturnIsTab(bool value) { SetReturnIsTab(value); }
    void setLengthLimit(int value) { SetLengthLimit(value); }
    void setTabOnFullLength(bool value) { SetTabOnFullLength(value); }
    void setPrecision(int value) { SetPrecision(value); }
    void setPrefix(const QString& value) { SetPrefix(value); }
    void setSuffix(const QString& value) { SetSuffix(value); }
    void setLabelCaption(const QString& value) { SetLabelCaption(value); }
    void setLabelPosition(AdvEditEnums::TLabelPosition value) { SetLabelPosition(value); }
    void setLabelMargin(int value) { SetLabelMargin(value); }
    void setLabelTransparent(bool value) { SetLabelTransparent(value); }
    void setLabelAlwaysEnabled(bool value) { SetLabelAlwaysEnabled(value); }
    void setLabelFont(const QFont& value) { SetLabelFont(value); }
    void setLookup_CaseSensitive(bool value) { SetLookupCaseSensitive(value); }
    void setLookup_Color(const QColor& value) { SetLookupColor(value); }
    void setLookup_DisplayCount(int value) { SetLookupDisplayCount(value); }
    void setLookup_DisplayList(const QStringList& value) { SetLookupDisplayList(value); }
    void setLookup_Enabled(bool value) { SetLookupEnabled(value); }
    void setLookup_NumChars(int value) { SetLookupNumChars(value); }
    void setLookup_ValueList(const QStringList& value) { SetLookupValueList(value); }
    void setPersistence_Enable(bool value) { SetPersistenceEnable(value); }
    void setPersistence_Key(const QString& value) { SetPersistenceKey(value); }
    void setPersistence_Section(const QString& value) { SetPersistenceSection(value); }
    void setPersistence_Location(AdvEditEnums::TPersistenceLocation value) {
        SetPersistenceLocation(value);
    }
    void setAutoSelect(bool value) { SetAutoSelect(value); }
    void setBorderStyle(AdvEditEnums::TBorderStyle value) { SetBorderStyle(value); }
    void setPasswordChar(QChar value) { SetPasswordChar(value); }
    void setFontColor(const QColor& value) { SetFontColorRgb(value); }
    void setCanUndo(bool value) { SetCanUndo(value); }
    void setColor(const QColor& value) { SetColorRgb(value); }
    void setOleDropTarget(bool value) { SetOleDropTarget(value); }
    void setOleDropSource(bool value) { SetOleDropSource(value); }
    void setSigned(bool value) { SetSigned(value); }
    void setTransparent(bool value) { SetTransparent(value); }
    void setHintShowLargeText(bool value) { SetHintShowLargeText(value); }

    TValueValidateEvent OnValueValidate;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TLookupSelectEvent OnLookupSelect;
    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;

signals:
    // The value changed (with OnChange).
    void TextChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Value and selection (AdvEdit.cpp).
    TypingSettings Settings() const;
    FieldState Field() const;
    int SelStart() const;
    int SelLength() const;
    void SetCaret(int position);
    void ApplySelection(Selection selection);
    // The window text as the platform's edit takes it: unchanged text is not
    // written again; a new text leaves the caret at its start.
    void WriteWindowText(const QString& text);
    void NudgeWidth();
    void Change();

    // Colours (AdvEdit.cpp).
    void SetBackground(TColor color);
    void SetCurrentFontColor(TColor color);
    void ApplyColors();
    // The disabled look, or the normal one back, as Qt's enabled state changed.
    void EnabledChanged();

    // Keyboard, mouse, focus and clipboard (AdvEditInput.cpp).
    void HandleKeyPress(QKeyEvent& event);
    bool SpecialKey(int key);
    void KeyDown(QKeyEvent& event, int key);
    void DefaultKeyDown(QKeyEvent& event, int key);
    void TypeChar(QKeyEvent& event, QChar ch);
    void DefaultChar(QKeyEvent& event, QChar ch);
    void StepsAfterChar();
    void PostKey(QObject* receiver, int key, bool withRelease);
    void FocusEntry();
    void FocusExitBeforeBase();
    void FocusExitAfterBase();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // The look and the attached label (AdvEditLook.cpp).
    // Before and after the base edit sees an event; true when it is used up.
    bool LookEventBefore(QEvent& event);
    void LookEventAfter(QEvent& event);
    void PlaceLabel();
    void ApplyFlat();
    void SetTextRect(bool flat);
    QRect FormattingRect() const;
    TColor ParentBrushColor() const;
    void PaintOverlay(QPainter& painter);
    bool FocusBorderHot() const;
    void DrawFocusBorder(QPainter& painter);
    void DrawErrorMarker(QPainter& painter, int pos, int len);
    void SetUrlLook(bool on);
    // The hint for a value wider than the field; false when it does not apply.
    bool ShowLargeTextHint();

    // The lookup list (AdvEditLookup.cpp).
    TListHintWindow& LookupWindow();
    void UpdateLookup();
    void ChooseLookup();
    bool LookupVisible() const;
    // A key of the visible list; true when the key is used up.
    bool LookupKey(int key);
    void HideLookup();

    // Published state.
    bool tabStop_ = true;
    bool autoFocus_ = false;
    bool autoThousandSeparator_ = true;
    TEditAlign editAlign_ = eaLeft;
    TAdvEditType editType_ = etString;
    QString emptyText_;
    int errorMarkerPos_ = 0;
    int errorMarkerLen_ = 0;
    TColor errorColor_ = clRed;
    TColor errorFontColor_ = clWhite;
    bool excelStyleDecimalSeparator_ = false;
    bool flat_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    TEditAlign focusAlign_ = eaDefault;
    bool focusBorder_ = false;
    TColor focusColor_ = clWindow;
    TColor focusFontColor_ = clWindowText;
    bool focusLabel_ = false;
    int focusWidthInc_ = 0;
    TColor modifiedColor_ = clHighlight;
    TColor disabledColor_ = clSilver;
    bool showError_ = false;
    bool showModified_ = false;
    bool showUrl_ = false;
    bool softBorder_ = false;
    TColor urlColor_ = clBlue;
    bool returnIsTab_ = false;
    int lengthLimit_ = 0;
    bool tabOnFullLength_ = false;
    int precision_ = 0;
    QString prefix_;
    QString suffix_;
    QString labelCaption_;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    bool labelTransparent_ = false;
    bool labelAlwaysEnabled_ = false;
    QFont labelFont_;
    TLookupSettings lookup_;
    TPersistence persistence_;
    bool autoSelect_ = true;
    int maxLength_ = 0;
    QChar passwordChar_;
    QPointer<QStyle> passwordStyle_; // shows passwordChar_ in place of the style's bullet
    TColor fontColor_ = clWindowText;
    bool canUndo_ = true;
    TColor color_ = clWindow;
    bool oleDropTarget_ = false;
    bool oleDropSource_ = false;
    bool signed_ = false;
    bool transparent_ = false;
    bool hintShowLargeText_ = false;

    // Internal state.
    TColor normalColor_ = clWindow;
    TColor normalFontColor_ = clWindowText;
    TBorderStyle savedBorderStyle_ = bsSingle;
    QString undoText_;
    bool error_ = false;
    bool urlLook_ = false;
    bool mouseInside_ = false;
    // The focus came by a mouse press: Qt hands it over before that press
    // arrives, and the press itself then neither opens a URL nor starts a drag.
    bool focusFromClick_ = false;
    std::optional<TColor> colorBeforeFlat_;
    bool alignSwitching_ = false;
    bool alignSwitched_ = false;
    TEditAlign savedAlign_ = eaLeft;
    int loadHeight_ = -1;
    bool loading_ = false;
    QPointer<QLabel> label_;                  // the attached label, once a caption is given
    TListHintWindow* lookupWindow_ = nullptr; // created when first needed
    // Where a drag over the field would drop its text, (-1, -1) while none is
    // over it; the painting draws the drop caret there.
    QPoint dropCaretPoint_{-1, -1};

    // Drag and drop (AdvEditDrag.cpp).
    friend class TEditDropTarget;
    // Drag and drop on this thread, started by the first field made on it.
    static void StartOle();
    // Text dropped at a screen point: its first line goes in at the pointer.
    void DropText(const QPoint& screenPoint, QString text);
    // The drag source's part of the mouse handling. A left press inside the
    // selection of a field that already had the focus waits for a move (a
    // drag) or the release (the caret goes there); the base edit sees neither
    // that press nor the moves while the button stays down.
    bool DragSourcePress(const QMouseEvent& event);
    bool BaseSeesMouseMove(const QMouseEvent& event) const;
    void DragSourceMove();
    void DragSourceRelease(const QMouseEvent& event);
    bool dropTargetRegistered_ = false;
    bool selfDrag_ = false;        // a drag started here is running
    bool selfDropIgnored_ = false; // it was dropped onto its own text
    bool dragPending_ = false;     // the left button went down in the selection
    bool pressWithheld_ = false;   // ... and the base edit did not see it
};

} // namespace maskwell
