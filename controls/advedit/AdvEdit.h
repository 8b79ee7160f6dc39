// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "controls/advedit/AdvEditDrag.h"
#include "controls/advedit/AdvEditLabel.h"
#include "controls/advedit/AdvEditLook.h"
#include "controls/advedit/AdvEditSettings.h"
#include "controls/advedit/AdvEditTypes.h"
#include "controls/advedit/AdvEditTyping.h"
#include "controls/advedit/AdvEditValue.h"
#include "platform/Color.h"

#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <cstdint>
#include <memory>

namespace maskwell {

class TLookupList;

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
    Q_PROPERTY(maskwell::AdvEditEnums::TEditAlign EditAlign READ EditAlign WRITE setEditAlign NOTIFY
                   EditAlignChanged)
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
    Q_PROPERTY(QColor FocusColor READ FocusColorRgb WRITE setFocusColor NOTIFY FocusColorChanged)
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
    Q_PROPERTY(QFont LabelFont READ LabelFont WRITE setLabelFont NOTIFY LabelFontChanged)
    Q_PROPERTY(bool Lookup_CaseSensitive READ LookupCaseSensitive WRITE setLookup_CaseSensitive)
    Q_PROPERTY(QColor Lookup_Color READ LookupColor WRITE setLookup_Color)
    Q_PROPERTY(int Lookup_DisplayCount READ LookupDisplayCount WRITE setLookup_DisplayCount)
    Q_PROPERTY(QStringList Lookup_DisplayList READ LookupDisplayList WRITE setLookup_DisplayList)
    Q_PROPERTY(bool Lookup_Enabled READ LookupEnabled WRITE setLookup_Enabled)
    Q_PROPERTY(int Lookup_NumChars READ LookupNumChars WRITE setLookup_NumChars)
    Q_PROPERTY(QStringList Lookup_ValueList READ LookupValueList WRITE setLookup_ValueList)
    Q_PROPERTY(bool Persistence_Enable READ PersistenceEnable WRITE setPersistence_Enable)
    Q_PROPERTY(QString Persistence_Key READ PersistenceKey WRITE setPersistence_Key NOTIFY
                   Persistence_KeyChanged)
    Q_PROPERTY(QString Persistence_Section READ PersistenceSection WRITE setPersistence_Section)
    Q_PROPERTY(maskwell::AdvEditEnums::TPersistenceLocation Persistence_Location READ
                   PersistenceLocation WRITE setPersistence_Location)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(maskwell::AdvEditEnums::TBorderStyle BorderStyle READ BorderStyle WRITE
                   setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(
        QChar PasswordChar READ PasswordChar WRITE setPasswordChar NOTIFY PasswordCharChanged)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QColor FontColor READ FontColorRgb WRITE setFontColor NOTIFY FontColorChanged)
    Q_PROPERTY(bool CanUndo READ CanUndo WRITE setCanUndo NOTIFY CanUndoChanged)
    Q_PROPERTY(QColor Color READ ColorRgb WRITE setColor NOTIFY ColorChanged)
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
    static constexpr int kDefaultHeight = 21;

    explicit TAdvEdit(QWidget* parent = nullptr);
    ~TAdvEdit() override;

    // The line edit's, but never taller than kDefaultHeight: with a designer's
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
    bool ErrorState() const { return value_.Error(); }
    void SetError(bool error);
    bool IsUrl() const;
    int CharIndexAt(const QPoint& point);
    // Top-left client point of character index; past the last character, the
    // point just right of it; (0, 0) for an empty text.
    QPoint CaretPointOfChar(int index) const;

    // The text kept between runs (Persistence); both do nothing unless enabled.
    // Loaded() loads it; it is stored whenever the field is hidden (its window
    // closes or hides), never while the field is being destroyed.
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
    bool AutoFocus() const { return look_.AutoFocus(); }
    void SetAutoFocus(bool autoFocus) { look_.SetAutoFocus(autoFocus); }
    bool AutoThousandSeparator() const { return value_.AutoThousandSeparator(); }
    void SetAutoThousandSeparator(bool on);
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign align);
    TAdvEditType EditType() const { return value_.Type(); }
    void SetEditType(TAdvEditType type);
    const QString& EmptyText() const { return look_.EmptyText(); }
    void SetEmptyText(const QString& text) { look_.SetEmptyText(text); }
    int ErrorMarkerPos() const { return look_.ErrorMarkerPos(); }
    void SetErrorMarkerPos(int pos) { look_.SetErrorMarkerPos(pos); }
    int ErrorMarkerLen() const { return look_.ErrorMarkerLen(); }
    void SetErrorMarkerLen(int len) { look_.SetErrorMarkerLen(len); }
    TColor ErrorColor() const { return look_.ErrorColor(); }
    void SetErrorColor(TColor color) { look_.SetErrorColor(color); }
    TColor ErrorFontColor() const { return look_.ErrorFontColor(); }
    void SetErrorFontColor(TColor color) { look_.SetErrorFontColor(color); }
    bool ExcelStyleDecimalSeparator() const { return value_.ExcelStyleDecimalSeparator(); }
    void SetExcelStyleDecimalSeparator(bool on) { value_.SetExcelStyleDecimalSeparator(on); }
    bool Flat() const { return look_.Flat(); }
    void SetFlat(bool flat) { look_.SetFlat(flat, loading_); }
    TColor FlatLineColor() const { return look_.FlatLineColor(); }
    void SetFlatLineColor(TColor color) { look_.SetFlatLineColor(color); }
    bool FlatParentColor() const { return look_.FlatParentColor(); }
    void SetFlatParentColor(bool on) { look_.SetFlatParentColor(on); }
    TEditAlign FocusAlign() const { return focusAlign_; }
    void SetFocusAlign(TEditAlign align) { focusAlign_ = align; }
    bool FocusBorder() const { return look_.FocusBorder(); }
    void SetFocusBorder(bool on) { look_.SetFocusBorder(on); }
    TColor FocusColor() const { return look_.FocusColor(); }
    void SetFocusColor(TColor color) { look_.SetFocusColor(color); }
    TColor FocusFontColor() const { return look_.FocusFontColor(); }
    void SetFocusFontColor(TColor color) { look_.SetFocusFontColor(color); }
    bool FocusLabel() const { return label_.FocusLabel(); }
    void SetFocusLabel(bool on) { label_.SetFocusLabel(on); }
    int FocusWidthInc() const { return focusWidthInc_; }
    void SetFocusWidthInc(int pixels) { focusWidthInc_ = pixels; }
    TColor ModifiedColor() const { return look_.ModifiedColor(); }
    void SetModifiedColor(TColor color) { look_.SetModifiedColor(color); }
    TColor DisabledColor() const { return look_.DisabledColor(); }
    void SetDisabledColor(TColor color) { look_.SetDisabledColor(color); }
    bool ShowError() const { return look_.ShowError(); }
    void SetShowError(bool on) { look_.SetShowError(on); }
    bool ShowModified() const { return look_.ShowModified(); }
    void SetShowModified(bool on) { look_.SetShowModified(on); }
    bool ShowURL() const { return look_.ShowURL(); }
    void SetShowURL(bool on) { look_.SetShowURL(on); }
    bool SoftBorder() const { return look_.SoftBorder(); }
    void SetSoftBorder(bool on) { look_.SetSoftBorder(on); }
    TColor URLColor() const { return look_.URLColor(); }
    void SetURLColor(TColor color) { look_.SetURLColor(color); }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool on) { returnIsTab_ = on; }
    int LengthLimit() const { return value_.LengthLimit(); }
    void SetLengthLimit(int limit) { value_.SetLengthLimit(limit); }
    bool TabOnFullLength() const { return value_.TabOnFullLength(); }
    void SetTabOnFullLength(bool on) { value_.SetTabOnFullLength(on); }
    int Precision() const { return value_.Precision(); }
    void SetPrecision(int precision);
    const QString& Prefix() const { return value_.Prefix(); }
    void SetPrefix(const QString& prefix);
    const QString& Suffix() const { return value_.Suffix(); }
    void SetSuffix(const QString& suffix);
    const QString& LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const QString& caption) { label_.SetCaption(caption); }
    TLabelPosition LabelPosition() const { return label_.Position(); }
    void SetLabelPosition(TLabelPosition position) { label_.SetPosition(position); }
    int LabelMargin() const { return label_.Margin(); }
    void SetLabelMargin(int margin) { label_.SetMargin(margin); }
    bool LabelTransparent() const { return label_.Transparent(); }
    void SetLabelTransparent(bool on) { label_.SetTransparent(on); }
    bool LabelAlwaysEnabled() const { return label_.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool on) { label_.SetAlwaysEnabled(on); }
    const QFont& LabelFont() const { return label_.Font(); }
    void SetLabelFont(const QFont& font);
    TLookupSettings& Lookup();
    const TLookupSettings& Lookup() const;
    TPersistence& Persistence() { return persistence_; }
    const TPersistence& Persistence() const { return persistence_; }
    // Republished from the base edit (the font itself is QWidget::font()).
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle style);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar passwordChar);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    TColor FontColor() const { return look_.FontColor(); }
    void SetFontColor(TColor color) { look_.SetFontColor(color); }
    bool CanUndo() const { return value_.CanUndo(); }
    void SetCanUndo(bool on);
    // The background; it also becomes the colour the focus and error looks
    // return to.
    TColor Color() const { return look_.Color(); }
    void SetColor(TColor color) { look_.SetColor(color); }
    // The field's own enabled flag, Qt's: a disabled parent leaves it set but
    // still gives the field its disabled look (see changeEvent).
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool OleDropTarget() const { return dragDrop_->DropTarget(); }
    void SetOleDropTarget(bool on) { dragDrop_->SetDropTarget(on); }
    bool OleDropSource() const { return dragDrop_->DropSource(); }
    void SetOleDropSource(bool on) { dragDrop_->SetDropSource(on); }
    // Where a drag over the field would drop its text, (-1, -1) while there is
    // none; the painting draws the drop caret there.
    QPoint DropCaretPoint() const { return dragDrop_->DropCaretPoint(); }
    bool Signed() const { return value_.Signed(); }
    void SetSigned(bool on) { value_.SetSigned(on); }
    bool Transparent() const { return look_.Transparent(); }
    void SetTransparent(bool on) { look_.SetTransparent(on); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible);
    bool HintShowLargeText() const { return look_.HintShowLargeText(); }
    void SetHintShowLargeText(bool on) { look_.SetHintShowLargeText(on); }

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
    bool LookupCaseSensitive() const { return Lookup().CaseSensitive(); }
    void SetLookupCaseSensitive(bool value) { Lookup().SetCaseSensitive(value); }
    QColor LookupColor() const { return ResolveColor(Lookup().Color()); }
    void SetLookupColor(const QColor& value) { Lookup().SetColor(ToTColor(value)); }
    int LookupDisplayCount() const { return Lookup().DisplayCount(); }
    void SetLookupDisplayCount(int value) { Lookup().SetDisplayCount(value); }
    QStringList LookupDisplayList() const { return Lookup().DisplayList(); }
    void SetLookupDisplayList(const QStringList& value) { Lookup().SetDisplayList(value); }
    bool LookupEnabled() const { return Lookup().Enabled(); }
    void SetLookupEnabled(bool value) { Lookup().SetEnabled(value); }
    int LookupNumChars() const { return Lookup().NumChars(); }
    void SetLookupNumChars(int value) { Lookup().SetNumChars(value); }
    QStringList LookupValueList() const { return Lookup().ValueList(); }
    void SetLookupValueList(const QStringList& value) { Lookup().SetValueList(value); }
    bool PersistenceEnable() const { return persistence_.Enable(); }
    void SetPersistenceEnable(bool value) { persistence_.SetEnable(value); }
    QString PersistenceKey() const { return persistence_.Key(); }
    void SetPersistenceKey(const QString& value);
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

    // The events whose handler answers back: it may declare the value
    // invalid, forbid a clipboard operation, change the text a lookup entry
    // puts in, or take a key away (by setting it to 0). The others are signals.
    TValueValidateEvent OnValueValidate;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TLookupSelectEvent OnLookupSelect;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

signals:
    // The value changed: typed, pasted, dropped, chosen or assigned.
    void TextChanged();
    // A left click inside the field, and a double click.
    void Clicked();
    void DoubleClicked();
    // The focus came into the field or left it (a visit to its menu aside).
    void FocusEntered();
    void FocusExited();
    // Every press, release and move of the mouse over the field, in client
    // coordinates, after the line edit's own handling; a press that may start
    // a drag of the selection is not reported.
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMoved(Qt::KeyboardModifiers modifiers, QPoint position);
    // A lookup entry put its text in: the value it made (as OnLookupSelect
    // left the text, normalised for the edit type).
    void LookupSelected(const QString& text);
    // Text from a drop went in; the field's selected text was dropped
    // elsewhere in it or outside, moved or copied.
    void TextDropped(const QString& text);
    void TextDragged(const QString& text, bool moved);

    // The properties that change behind their setters: the colours with the
    // focus, error, modified, disabled, URL and flat looks, the alignment
    // while focused (FocusAlign), the border with the flat look, the password
    // character and CanUndo with the edit type, the label font with the
    // field's font while loading, and an empty Persistence.Key with the
    // default file.
    void ColorChanged();
    void FontColorChanged();
    void FocusColorChanged();
    void EditAlignChanged();
    void BorderStyleChanged();
    void PasswordCharChanged();
    void CanUndoChanged();
    void LabelFontChanged();
    void Persistence_KeyChanged();

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
    // What a new type or precision asks of the value.
    void Refit(TEditValue::Refit refit);

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
    // Qt's events to the look and the label, before and after the line edit.
    void EventBefore(QEvent& event);
    void EventAfter(QEvent& event);

    // A lookup entry was chosen: it goes in, as the handler may change it.
    void LookupChosen(QString text);

    // Published state.
    bool tabStop_ = true;
    TEditAlign editAlign_ = eaLeft;
    TEditAlign focusAlign_ = eaDefault;
    int focusWidthInc_ = 0;
    bool returnIsTab_ = false;
    TPersistence persistence_;
    bool autoSelect_ = true;
    int maxLength_ = 0;
    QChar passwordChar_;
    QPointer<QStyle> passwordStyle_; // shows passwordChar_ in place of the style's bullet

    // Internal state.
    // The focus came by a mouse press: Qt hands it over before that press
    // arrives, and the press itself then neither opens a URL nor starts a drag.
    bool focusFromClick_ = false;
    bool alignSwitching_ = false;
    bool alignSwitched_ = false;
    TEditAlign savedAlign_ = eaLeft;
    int loadHeight_ = -1;
    bool loading_ = false;

    TEditValue value_;
    // What the collaborators see of the field (AdvEdit.cpp), and they.
    class FieldView;
    std::unique_ptr<FieldView> view_;
    TEditLook look_;
    TAttachedLabel label_;
    TLookupList* lookupList_; // a child
    TEditDragDrop* dragDrop_; // a child
};

} // namespace maskwell
