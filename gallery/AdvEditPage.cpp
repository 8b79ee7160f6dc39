// SPDX-License-Identifier: MIT
#include "gallery/AdvEditPage.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/Fonts.h"

namespace maskwell::gallery {

namespace {

constexpr int kEditWidth = 140;
constexpr int kEditHeight = 21;
constexpr int kFocusWidthInc = 30;
constexpr TColor kPaleGreen = RGBColor(213, 255, 213);

// What each type lets the user type, and the value it starts with.
struct TypeSample {
    TAdvEditType type;
    const char* accepts;
    const char* value;
};

const TypeSample kTypeSamples[] = {
    {etString, "any text", "Subnet mask"},
    {etNumeric, "digits, '-' when Signed", "-1024"},
    {etFloat, "Precision 2 decimals", "3.14"},
    {etUppercase, "upper-cased as typed", "CLASS C"},
    {etMixedCase, "words capitalised", "McDonald III"},
    {etLowerCase, "lower-cased as typed", "host.example.org"},
    {etPassword, "any text, shown as *", "secret"},
    {etMoney, "grouped in thousands", "1234567.5"},
    {etRange, "numbers, '-' and ','", "1-5,8,10-12"},
    {etHex, "hexadecimal digits", "C0A80001"},
    {etAlphaNumeric, "letters and digits only", "Host42"},
};

const QStringList kLookupWords = {"Broadcast", "Gateway", "Host",   "Hostmask", "Netmask",
                                  "Network",   "Prefix",  "Subnet", "Supernet", "Wildcard"};

} // namespace

AdvEditPage::AdvEditPage(const QString& settingsFile, QWidget* parent)
    : GalleryPage("A single-line edit that keeps a value between a fixed Prefix and Suffix, "
                  "filters and formats it by EditType, marks modified and invalid values in "
                  "colour, changes colour, width and alignment while focused, restores the "
                  "value on Escape, offers completions from a lookup list, drags its text to "
                  "other fields and can keep its text between runs.",
                  parent) {
    AddTypes();
    AddFeatures(settingsFile);
    for (QWidget* sample : Samples())
        static_cast<TAdvEdit*>(sample)->Loaded();
    FinishSamples();
}

TAdvEdit* AdvEditPage::AddEdit(const QString& name, const QString& caption, const QString& label) {
    auto* edit = AddSample<TAdvEdit>(name, caption);
    edit->BeginLoading(); // Loaded() runs once every sample is configured
    edit->SetBounds(0, 0, kEditWidth, kEditHeight);
    edit->setFont(PixelFont("MS Sans Serif", 11));
    edit->SetLabelFont(PixelFont("Verdana", 11));
    edit->SetLabelCaption(label);
    edit->SetLabelPosition(lpTopLeft);
    edit->SetLabelMargin(2);
    // The events that answer back, which are no signals; the others the page
    // hears as signals, as it does every control's.
    edit->OnClipboardCopy = [this](QObject* sender, const QString& value, bool&) {
        Log(sender, "OnClipboardCopy \"" + value + "\"");
    };
    edit->OnClipboardCut = [this](QObject* sender, const QString& value, bool&) {
        Log(sender, "OnClipboardCut \"" + value + "\"");
    };
    edit->OnClipboardPaste = [this](QObject* sender, const QString& value, bool&) {
        Log(sender, "OnClipboardPaste over \"" + value + "\"");
    };
    return edit;
}

void AdvEditPage::AddTypes() {
    BeginGroup("Edit types, each with its attached label (LabelCaption)", 4);
    for (const TypeSample& sample : kTypeSamples) {
        const QString type = NameOf(sample.type);
        auto* edit = AddEdit(type, QString::fromLatin1(sample.accepts), type);
        edit->SetEditType(sample.type);
        if (sample.type == etNumeric || sample.type == etMoney)
            edit->SetSigned(true);
        if (sample.type == etFloat || sample.type == etMoney)
            edit->SetPrecision(2);
        edit->SetText(QString::fromLatin1(sample.value));
    }
}

void AdvEditPage::AddFeatures(const QString& settingsFile) {
    BeginGroup("Lookup list and drag and drop", 3);
    auto* lookup = AddEdit("Lookup", "Type \"n\" or \"h\": completions", "Lookup list");
    lookup->Lookup().SetEnabled(true);
    lookup->Lookup().SetDisplayList(kLookupWords);
    lookup->Lookup().SetNumChars(1);
    lookup->Lookup().SetDisplayCount(5);
    for (const auto& [name, text] : {std::pair{"DragFrom", "Select some words and drag"},
                                     std::pair{"DragTo", "them from one field to the other"}}) {
        auto* edit = AddEdit(name, "OleDropSource, OleDropTarget", name);
        edit->SetOleDropSource(true);
        edit->SetOleDropTarget(true);
        edit->SetWidth(200);
        edit->SetText(text);
    }

    BeginGroup("Numbers", 4);
    auto* money = AddEdit("Money", "etMoney, Prefix \"$ \",\nPrecision 2, Signed", "Money");
    money->SetEditType(etMoney);
    money->SetPrecision(2);
    money->SetSigned(true);
    money->SetPrefix("$ ");
    money->SetEditAlign(eaRight);
    money->SetText("-1234567.8");
    auto* range = AddEdit("Range", "etRange: ports to pick", "Range");
    range->SetEditType(etRange);
    range->SetText("20-23,25,80,8000-8080");
    auto* bits = AddEdit("PrefixSuffix", "Prefix \"/\", Suffix \" bits\",\nLengthLimit 2",
                         "Prefix and suffix");
    bits->SetEditType(etNumeric);
    bits->SetPrefix("/");
    bits->SetSuffix(" bits");
    bits->SetLengthLimit(2);
    bits->SetText("24");
    auto* validated = AddEdit("Validated", "ShowError: above 255\nturns red", "Octet");
    validated->SetEditType(etNumeric);
    validated->SetShowError(true);
    validated->SetText("192");
    validated->OnValueValidate = [](QObject*, const QString& value, bool& isValid) {
        isValid = value.toInt() <= 255;
    };

    BeginGroup("Look and persistence", 4);
    auto* focus =
        AddEdit("FocusLook", "FocusColor, FocusWidthInc,\nFocusAlign, FocusLabel", "Focus me");
    focus->SetFocusColor(kPaleGreen);
    focus->SetFocusWidthInc(kFocusWidthInc);
    StageOf(focus).SetRoom({kEditWidth + kFocusWidthInc, 0});
    focus->SetFocusAlign(eaRight);
    focus->SetFocusLabel(true);
    focus->SetText("255.255.255.0");
    auto* empty = AddEdit("EmptyText", "EmptyText while empty", "Host");
    empty->SetEmptyText("Type a host name");
    auto* flat = AddEdit("Flat", "Flat, FlatLineColor clNavy", "Flat");
    flat->SetFlat(true);
    flat->SetFlatLineColor(clNavy);
    flat->SetText("10.0.0.0/8");
    auto* modified = AddEdit("Modified", "ShowModified: edits\nin ModifiedColor", "Modified");
    modified->SetShowModified(true);
    modified->SetText("Edit me");
    auto* url = AddEdit("Url", "ShowURL: looks like a link", "Web address");
    url->SetShowURL(true);
    url->SetText("https://www.example.org");
    auto* kept = AddEdit("Persistent", "Persistence: kept\nbetween runs", "Kept");
    kept->SetHint(settingsFile);
    kept->Persistence().SetEnable(true);
    kept->Persistence().SetKey(settingsFile);
    kept->Persistence().SetSection("AdvEdit");
    kept->SetText("Edit me and restart");
    auto* disabled = AddEdit("Disabled", "Enabled off", "Disabled");
    disabled->SetText("Read me only");
    disabled->SetEnabled(false);
}

} // namespace maskwell::gallery
