// SPDX-License-Identifier: MIT
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/QlFancyButton.h"
#include "controls/advedit/AdvEdit.h"
#include "gallery/GalleryPage.h"
#include "gallery/GalleryWindow.h"
#include "gallery/SignalLog.h"
#include "tests/support/PaintProbe.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace maskwell::gallery {
namespace {

using test::GrabImage;

enum PageIndex { kIPEdit, kLabel3D, kCheckBox, kFancyButton, kAdvEdit, kPageCount };

// The gallery window on the screen, keeping its persistent field in a
// temporary folder.
class Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window.emplace(SettingsFile());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window));
    }

    QString SettingsFile() const { return folder.filePath("gallery.ini"); }

    // Opens a page the way a user does: a click on its tab.
    GalleryPage& Visit(int index) {
        QTabBar* tabs = window->Pages().tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        EXPECT_EQ(window->Pages().currentIndex(), index);
        return window->Page(index);
    }

    // Every sample of a page as painted, scrolled out of view or not.
    // A control may size itself when first painted (a rotated 3D label takes
    // the size of its rotated text); its stage follows through the layout
    // requests this sends before the grab that counts.
    static QImage Showcase(GalleryPage& page) {
        QWidget& content = *page.findChild<QScrollArea*>("Showcase")->widget();
        GrabImage(content);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return GrabImage(content);
    }

    static QImage Crop(GalleryPage& page, const QImage& showcase, const QWidget& sample) {
        auto* content = page.findChild<QScrollArea*>("Showcase")->widget();
        return showcase.copy(QRect(sample.mapTo(content, QPoint()), sample.size()));
    }

    static QWidget& Sample(GalleryPage& page, const QString& name) {
        auto* sample = page.findChild<QWidget*>(name);
        EXPECT_TRUE(sample && page.Samples().contains(sample)) << name.toStdString();
        return *sample;
    }

    QTemporaryDir folder;
    std::optional<GalleryWindow> window;
};

std::map<QRgb, int> ColourCounts(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return counts;
}

// The colour as drawn: a system colour is resolved at the time of the check.
bool Contains(const QImage& image, TColor colour) {
    return ColourCounts(image).contains(ResolveColor(colour).rgb());
}

// --- Selecting and keeping ---------------------------------------------------

TEST_F(Gallery, PressOnAStageSelectsItsSample) {
    GalleryPage& page = Visit(kCheckBox);
    QWidget& sample = Sample(page, "CheckedRed");
    ASSERT_NE(page.SelectedSample(), &sample);

    QTest::mouseClick(sample.parentWidget(), Qt::LeftButton, {}, QPoint(2, 2));

    EXPECT_EQ(page.SelectedSample(), &sample);
    EXPECT_EQ(page.findChild<QComboBox*>("Sample")->currentText(), "CheckedRed");
    EXPECT_EQ(page.Properties().findChild<QComboBox*>("CustomColor")->currentText(), "ccRed");
    EXPECT_TRUE(page.Properties().findChild<QCheckBox*>("Checked")->isChecked());
}

TEST_F(Gallery, PersistentFieldKeepsItsTextBetweenRuns) {
    auto& field = static_cast<TAdvEdit&>(Sample(Visit(kAdvEdit), "Persistent"));
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, "kept text");
    ASSERT_EQ(field.Text(), "kept text");

    window.reset(); // the field writes its text as it goes
    QFile settings(SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Persistent=kept text"));

    GalleryWindow next(SettingsFile());
    EXPECT_EQ(static_cast<TAdvEdit&>(Sample(next.Page(kAdvEdit), "Persistent")).Text(),
              "kept text");
}

// --- Every page shows every sample painted -------------------------------

struct PageRow {
    const char* name;
    PageIndex page;
    int samples; // the configurations the page shows
};

void PrintTo(const PageRow& row, std::ostream* out) {
    *out << row.name;
}

class GalleryPages : public Gallery, public ::testing::WithParamInterface<PageRow> {};

// Not one flat colour: the control drew its own ink over its background.
TEST_P(GalleryPages, EverySamplePainted) {
    GalleryPage& page = Visit(GetParam().page);
    ASSERT_EQ(page.Samples().size(), GetParam().samples);
    const QImage showcase = Showcase(page);
    for (QWidget* sample : page.Samples()) {
        const QImage crop = Crop(page, showcase, *sample);
        const auto counts = ColourCounts(crop);
        int dominant = 0;
        for (const auto& [colour, count] : counts)
            dominant = std::max(dominant, count);
        const int ink = static_cast<int>(crop.width() * crop.height()) - dominant;
        EXPECT_GE(counts.size(), 2u) << sample->objectName().toStdString();
        EXPECT_GE(ink, 8) << sample->objectName().toStdString();
        // Its stage shows all of it: nothing clipped, nothing under a caption.
        EXPECT_TRUE(sample->parentWidget()->rect().contains(sample->geometry()))
            << sample->objectName().toStdString();
    }
}

// The page's summary is read whole in a window narrower than the samples:
// none of it lies beyond the visible part of the page, under the side column.
TEST_P(GalleryPages, SummaryIsWhollyInView) {
    window->resize(900, 700);
    GalleryPage& page = Visit(GetParam().page);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto* summary = page.findChild<QLabel*>("Summary");
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->visibleRegion(), QRegion(summary->rect()));
    EXPECT_GE(summary->height(), summary->heightForWidth(summary->width()));
}

// The panel has an editor for every property the form designer shows for the
// control's class, named after it.
TEST_P(GalleryPages, PanelShowsEveryDesignableProperty) {
    GalleryPage& page = Visit(GetParam().page);
    const QMetaObject* meta = page.Samples().front()->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isDesignable()) {
            EXPECT_NE(page.Properties().findChild<QWidget*>(property.name()), nullptr)
                << property.name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Page, GalleryPages,
                         ::testing::Values(PageRow{"IPEdit", kIPEdit, 6},
                                           PageRow{"Label3D", kLabel3D, 21},
                                           PageRow{"CheckBox", kCheckBox, 11},
                                           PageRow{"FancyButton", kFancyButton, 19},
                                           PageRow{"AdvEdit", kAdvEdit, 25}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Each configuration shows the colour it must --------------------------

struct ColourRow {
    const char* name;
    PageIndex page;
    const char* sample;
    TColor colour;
};

void PrintTo(const ColourRow& row, std::ostream* out) {
    *out << row.name;
}

class GalleryColours : public Gallery, public ::testing::WithParamInterface<ColourRow> {};

TEST_P(GalleryColours, SampleShowsItsColour) {
    GalleryPage& page = Visit(GetParam().page);
    const QImage crop = Crop(page, Showcase(page), Sample(page, GetParam().sample));
    EXPECT_TRUE(Contains(crop, GetParam().colour))
        << GetParam().sample << " lacks " << ColorName(GetParam().colour).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Sample, GalleryColours,
    ::testing::Values(ColourRow{"AddressFieldsWhite", kIPEdit, "Plain", clWindow},
                      ColourRow{"AddressLightGrey", kIPEdit, "LightGrey", RGBColor(238, 238, 238)},
                      ColourRow{"RaisedTextShadow", kLabel3D, "tsRaised", clBtnShadow},
                      ColourRow{"RecessedTextHighlight", kLabel3D, "tsRecessed", clBtnHighlight},
                      ColourRow{"DefaultBorderRed", kLabel3D, "btDefault", clRed},
                      ColourRow{"DashedBorderNavy", kLabel3D, "DashedBorder", clNavy},
                      ColourRow{"OpaqueBackground", kLabel3D, "Opaque", clInfoBk},
                      ColourRow{"WebLinkBlue", kLabel3D, "WebLink", clBlue},
                      ColourRow{"UncheckedWhiteBox", kCheckBox, "Unchecked", clWhite},
                      ColourRow{"BlueMark", kCheckBox, "CheckedBlue", clBlue},
                      ColourRow{"RedMark", kCheckBox, "CheckedRed", clRed},
                      ColourRow{"GreenMark", kCheckBox, "CheckedGreen", clLime},
                      ColourRow{"DisabledGreyMark", kCheckBox, "DisabledChecked", clGray},
                      ColourRow{"GradientOuterRing", kFancyButton, "Rounded", clGray},
                      ColourRow{"NavyFrame", kFancyButton, "Coloured", clNavy},
                      ColourRow{"AboutFace", kFancyButton, "AboutOk", RGBColor(216, 216, 216)},
                      ColourRow{"GlyphDisc", kFancyButton, "lyLeft", clGreen},
                      ColourRow{"EditWhite", kAdvEdit, "etString", clWindow},
                      ColourRow{"DisabledSilver", kAdvEdit, "Disabled", clSilver},
                      ColourRow{"FlatNavyLine", kAdvEdit, "Flat", clNavy}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The property panel changes the selected control ---------------------

struct PanelRow {
    const char* name;
    PageIndex page;
    const char* sample;
    const char* editor; // the property's row in the panel
    const char* input;  // the item to choose, or the text to type; a switch is clicked
    std::function<QString(QWidget&)> read;
    const char* expected;
    std::optional<TColor> shown; // a colour the control then shows
};

void PrintTo(const PanelRow& row, std::ostream* out) {
    *out << row.name;
}

// Sets an editor of the panel through the keyboard and the mouse.
void Edit(QWidget& editor, const QString& input) {
    if (auto* box = qobject_cast<QCheckBox*>(&editor)) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    } else if (auto* combo = qobject_cast<QComboBox*>(&editor)) {
        const int target = combo->findText(input);
        ASSERT_GE(target, 0) << input.toStdString();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < target; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    } else {
        editor.setFocus();
        QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&editor, input);
        QTest::keyClick(&editor, Qt::Key_Return);
    }
}

// What an editor of the panel shows.
QString Shown(const QWidget& editor) {
    if (auto* box = qobject_cast<const QCheckBox*>(&editor))
        return box->isChecked() ? "on" : "off";
    if (auto* combo = qobject_cast<const QComboBox*>(&editor))
        return combo->currentText();
    if (auto* spin = qobject_cast<const QSpinBox*>(&editor))
        return spin->text();
    if (auto* line = qobject_cast<const QLineEdit*>(&editor))
        return line->text();
    if (auto* label = qobject_cast<const QLabel*>(&editor))
        return label->text();
    return {};
}

class GalleryPanel : public Gallery, public ::testing::WithParamInterface<PanelRow> {};

TEST_P(GalleryPanel, EditorSetsTheControl) {
    const PanelRow& row = GetParam();
    GalleryPage& page = Visit(row.page);
    QWidget& sample = Sample(page, row.sample);
    page.Select(&sample);
    auto* editor = page.Properties().findChild<QWidget*>(row.editor);
    ASSERT_TRUE(editor) << row.editor;
    const QImage before = Crop(page, Showcase(page), sample);

    Edit(*editor, row.input);

    EXPECT_EQ(row.read(sample), row.expected);
    const QImage after = Crop(page, Showcase(page), sample);
    EXPECT_NE(after, before) << "the control did not repaint differently";
    if (row.shown) {
        EXPECT_TRUE(Contains(after, *row.shown)) << ColorName(*row.shown).toStdString();
    }
}

template <typename T> T& As(QWidget& widget) {
    return static_cast<T&>(widget);
}

QString Number(int value) {
    return QString::number(value);
}

INSTANTIATE_TEST_SUITE_P(
    Property, GalleryPanel,
    ::testing::Values(
        PanelRow{"AddressText",
                 kIPEdit,
                 "Plain",
                 "Text",
                 "10.1.2.3",
                 [](QWidget& w) { return As<TIPEdit>(w).Text(); },
                 "10.1.2.3",
                 {}},
        PanelRow{"AddressColor", kIPEdit, "Plain", "Color", "clLime",
                 [](QWidget& w) { return ColorName(As<TIPEdit>(w).Color()); }, "clLime", clLime},
        PanelRow{"LabelTextStyle", kLabel3D, "tsNone", "TextStyle", "tsRecessed",
                 [](QWidget& w) { return Number(As<TLabel3D>(w).TextStyle()); }, "3",
                 clBtnHighlight},
        PanelRow{"LabelEscapement",
                 kLabel3D,
                 "tsRaised",
                 "Escapement",
                 "-270",
                 [](QWidget& w) { return Number(As<TLabel3D>(w).Escapement()); },
                 "90",
                 {}},
        PanelRow{"CheckBoxChecked", kCheckBox, "Unchecked", "Checked", "",
                 [](QWidget& w) { return Number(As<TQlCheckBox>(w).Checked()); }, "1", clBlue},
        PanelRow{"CheckBoxColour", kCheckBox, "CheckedBlue", "CustomColor", "ccRed",
                 [](QWidget& w) { return Number(As<TQlCheckBox>(w).CustomColor()); }, "1", clRed},
        PanelRow{"ButtonShape",
                 kFancyButton,
                 "Capsule",
                 "FancyEffects_Shape",
                 "btnOval",
                 [](QWidget& w) { return Number(As<TQlFancyButton>(w).FancyEffects()->Shape()); },
                 "1",
                 {}},
        PanelRow{
            "ButtonFrameWidthClamped",
            kFancyButton,
            "Rounded",
            "FancyEffects_FrameWidth",
            "20",
            [](QWidget& w) { return Number(As<TQlFancyButton>(w).FancyEffects()->FrameWidth()); },
            "14",
            {}},
        PanelRow{
            "ButtonFace",
            kFancyButton,
            "Square",
            "FancyEffects_FaceColor",
            "clLime",
            [](QWidget& w) { return ColorName(As<TQlFancyButton>(w).FancyEffects()->FaceColor()); },
            "clLime",
            {}},
        PanelRow{"EditFlat",
                 kAdvEdit,
                 "etString",
                 "Flat",
                 "",
                 [](QWidget& w) { return Number(As<TAdvEdit>(w).Flat()); },
                 "1",
                 {}},
        PanelRow{"EditMoneyPrecision",
                 kAdvEdit,
                 "etMoney",
                 "Precision",
                 "3",
                 [](QWidget& w) { return As<TAdvEdit>(w).Text(); },
                 "1,234,567.500",
                 {}},
        PanelRow{"EditColor", kAdvEdit, "etNumeric", "Color", "clRed",
                 [](QWidget& w) { return ColorName(As<TAdvEdit>(w).Color()); }, "clRed", clRed}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The panel shows what the control made of a value ---------------------

struct ReadBackRow {
    const char* name;
    PageIndex page;
    const char* sample;
    const char* editor;
    const char* input;
    const char* shownBy; // the editor that shows the outcome
    const char* shown;
};

void PrintTo(const ReadBackRow& row, std::ostream* out) {
    *out << row.name;
}

class GalleryReadBack : public Gallery, public ::testing::WithParamInterface<ReadBackRow> {};

TEST_P(GalleryReadBack, PanelShowsTheStoredValue) {
    const ReadBackRow& row = GetParam();
    GalleryPage& page = Visit(row.page);
    page.Select(&Sample(page, row.sample));
    auto* editor = page.Properties().findChild<QWidget*>(row.editor);
    auto* outcome = page.Properties().findChild<QWidget*>(row.shownBy);
    ASSERT_TRUE(editor && outcome);

    Edit(*editor, row.input);
    Showcase(page); // a control may settle its size when it paints

    EXPECT_EQ(Shown(*outcome), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Property, GalleryReadBack,
    ::testing::Values(
        ReadBackRow{"FrameWidthAbove14", kFancyButton, "Rounded", "FancyEffects_FrameWidth", "20",
                    "FancyEffects_FrameWidth", "14"},
        ReadBackRow{"FrameWidthBelow3", kFancyButton, "Rounded", "FancyEffects_FrameWidth", "1",
                    "FancyEffects_FrameWidth", "3"},
        ReadBackRow{"CornerRadiusAbove145", kFancyButton, "Square", "FancyEffects_CornerRadius",
                    "200", "FancyEffects_CornerRadius", "145"},
        ReadBackRow{"GlyphNumberZero", kFancyButton, "lyLeft", "Glyphs_Number", "0",
                    "Glyphs_Number", "1"},
        ReadBackRow{"ButtonNoWiderThan145", kFancyButton, "Capsule", "Width", "200", "Width",
                    "145"},
        ReadBackRow{"NegativeEscapement", kLabel3D, "tsRaised", "Escapement", "-30", "Escapement",
                    "330"},
        ReadBackRow{"EllipsisStopsAutoSize", kLabel3D, "tsNone", "EllipsesStyle", "esEnd",
                    "AutoSize", "off"},
        ReadBackRow{"AddressTextRepaired", kIPEdit, "Plain", "Text", " 10.300.ab.2 ", "Text",
                    "10.44.0.2"},
        ReadBackRow{"AddressValue", kIPEdit, "Plain", "Text", "10.0.0.1", "Value",
                    "167772161 (0A000001)"},
        ReadBackRow{"NumericRefusesLetters", kAdvEdit, "etNumeric", "Text", "12ab", "Text", "0"},
        ReadBackRow{"HexUpperCased", kAdvEdit, "etHex", "Text", "c0a8", "Text", "C0A8"},
        ReadBackRow{"PasswordTurnsOffUndo", kAdvEdit, "etString", "EditType", "etPassword",
                    "EditType", "etPassword"},
        ReadBackRow{"OwnColourOffered", kIPEdit, "LightGrey", "Enabled", "", "Color", "#EEEEEE"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The samples at work ---------------------------------------------------

TEST_F(Gallery, PanelFollowsTypingInTheControl) {
    GalleryPage& page = Visit(kIPEdit);
    auto& edit = static_cast<TIPEdit&>(Sample(page, "Plain"));
    page.Select(&edit);
    TIPByteEdit& last = *edit.ByteEdit(3);
    last.setFocus();
    QTest::keyClick(&last, Qt::Key_End);
    QTest::keyClick(&last, Qt::Key_Backspace);
    QTest::keyClicks(&last, "77");

    EXPECT_EQ(Shown(*page.Properties().findChild<QLineEdit*>("Text")), "192.168.0.77");
    EXPECT_EQ(Shown(*page.Properties().findChild<QWidget*>("Value")), "3232235597 (C0A8004D)");
}

// Every signal of a sample, with its arguments; a signal repeated takes over
// its line.
TEST_F(Gallery, SampleEventsAreLogged) {
    GalleryPage& page = Visit(kFancyButton);
    QWidget& button = Sample(page, "Rounded");
    QTest::mouseMove(&button, QPoint(40, 12));
    QTest::mouseMove(&button, button.rect().center());
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());

    EXPECT_EQ(page.findChild<QPlainTextEdit*>("EventLog")->toPlainText(),
              "Rounded: MouseMoved(NoModifier, QPoint(48,12)) (2 times)\n"
              "Rounded: MousePressed(LeftButton, NoModifier, QPoint(48,12))\n"
              "Rounded: MouseReleased(LeftButton, NoModifier, QPoint(48,12))\n"
              "Rounded: Clicked");
}

// A control with signals the gallery has no code for, as a control's new
// drag-and-drop signals are.
class Dropper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text NOTIFY TextChanged)

public:
    QString Text() const { return {}; }

signals:
    void Dropped(const QString& text, QPoint where, Qt::DropAction action);
    void TextChanged();
};

// The log hears each of them with its arguments, but neither a property's
// change signal nor Qt's own signals.
TEST(SignalLog, HearsEverySignalOfTheControlButItsPropertiesChanges) {
    QStringList lines;
    SignalLog log([&](const QObject& control, const QMetaMethod&,
                      const QString& line) { lines << control.objectName() + ": " + line; },
                  nullptr);
    Dropper dropper;
    dropper.setObjectName("DragTo");
    log.Watch(&dropper);
    emit dropper.Dropped("10.0.0.1", {3, 4}, Qt::MoveAction);
    emit dropper.TextChanged();
    dropper.setWindowTitle("Dropper");
    EXPECT_EQ(lines, QStringList{"DragTo: Dropped(\"10.0.0.1\", QPoint(3,4), MoveAction)"});
}

TEST_F(Gallery, ShapeSamplesAreMadeFromTheirForm) {
    GalleryPage& page = Visit(kFancyButton);
    struct Row {
        const char* sample;
        QlFancyButton::TBtnShape shape;
        int cornerRadius;
        QSize size;
        QString caption;
    };
    for (const Row& row : {Row{"Capsule", QlFancyButton::btnCapsule, 6, {97, 25}, "Apply"},
                           Row{"Oval", QlFancyButton::btnOval, 6, {97, 41}, "Apply"},
                           Row{"Rounded", QlFancyButton::btnRectangle, 6, {97, 25}, "&Apply"},
                           Row{"Square", QlFancyButton::btnRectangle, 0, {97, 25}, "Apply"}}) {
        auto& button = As<TQlFancyButton>(Sample(page, row.sample));
        EXPECT_EQ(button.FancyEffects()->Shape(), row.shape) << row.sample;
        EXPECT_EQ(button.FancyEffects()->CornerRadius(), row.cornerRadius) << row.sample;
        EXPECT_EQ(button.size(), row.size) << row.sample;
        EXPECT_EQ(button.Caption(), row.caption) << row.sample;
    }
}

TEST_F(Gallery, StageFollowsAControlThatGrows) {
    GalleryPage& page = Visit(kLabel3D);
    QWidget& label = Sample(page, "tsHeavyRecessed");
    page.Select(&label);
    const QSize before = label.size();

    Edit(*page.Properties().findChild<QWidget*>("Font"), "36");
    Showcase(page); // lays the stages out again

    EXPECT_GT(label.width(), before.width());
    EXPECT_TRUE(label.parentWidget()->rect().contains(label.geometry()));
}

} // namespace
} // namespace maskwell::gallery

#include "GalleryTest.moc"
