// SPDX-License-Identifier: MIT
// The Qt Designer plugin, loaded as the designer and QUiLoader load it, and
// the controls' properties streamed through .ui forms.
#include "tests/support/ModalBoxCloser.h"

#include <QBuffer>
#include <QClipboard>
#include <QDesignerFormEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QDomDocument>
#include <QExtensionManager>
#include <QFileInfo>
#include <QFont>
#include <QFormBuilder>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPixmap>
#include <QPluginLoader>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace maskwell {
namespace {

const QString kPluginFile = QStringLiteral(MASKWELL_DESIGNER_PLUGIN_FILE);

QDesignerCustomWidgetCollectionInterface* Collection() {
    static QPluginLoader loader(kPluginFile);
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
}

QDesignerCustomWidgetInterface* Plugin(const QString& className) {
    if (!Collection())
        return nullptr;
    for (QDesignerCustomWidgetInterface* plugin : Collection()->customWidgets())
        if (plugin->name() == className)
            return plugin;
    return nullptr;
}

// A form loader that finds custom widgets only in the plugin built here.
std::unique_ptr<QUiLoader> PluginLoader() {
    auto loader = std::make_unique<QUiLoader>();
    loader->clearPluginPaths();
    loader->addPluginPath(QFileInfo(kPluginFile).absolutePath());
    return loader;
}

// A .ui form loaded through the plugin and shown on screen, or null when it
// did not load or was never exposed.
std::unique_ptr<QWidget> ShownForm(QByteArray form) {
    QBuffer buffer(&form);
    std::unique_ptr<QWidget> loaded(PluginLoader()->load(&buffer));
    if (!loaded)
        return nullptr;
    loaded->show();
    return QTest::qWaitForWindowExposed(loaded.get()) ? std::move(loaded) : nullptr;
}

TEST(DesignerPlugin, LoadsAndListsTheFiveControls) {
    QPluginLoader loader(kPluginFile);
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    ASSERT_NE(Collection(), nullptr);
    QStringList names;
    for (QDesignerCustomWidgetInterface* plugin : Collection()->customWidgets())
        names << plugin->name();
    EXPECT_EQ(names,
              QStringList({"maskwell::TIPEdit", "maskwell::TLabel3D", "maskwell::TQlCheckBox",
                           "maskwell::TQlFancyButton", "maskwell::TAdvEdit"}));
    EXPECT_TRUE(PluginLoader()->availableWidgets().contains("maskwell::TQlFancyButton"));
}

// What the widget box shows for each control, and what a new instance is.
struct EntryCase {
    const char* name;
    const char* className;
    const char* header;
    QSize defaultSize;
    const char* caption = nullptr; // the Caption a new instance shows, if the entry sets one
};

void PrintTo(const EntryCase& row, std::ostream* out) {
    *out << row.name;
}

class WidgetBoxEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(WidgetBoxEntryTest, ShowsTheControlInTheMaskwellGroup) {
    QDesignerCustomWidgetInterface* plugin = Plugin(GetParam().className);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->group(), "Maskwell");
    EXPECT_FALSE(plugin->toolTip().isEmpty());
    EXPECT_FALSE(plugin->whatsThis().isEmpty());
    EXPECT_EQ(plugin->includeFile(), GetParam().header);
    EXPECT_FALSE(plugin->isContainer());
    const QIcon icon = plugin->icon();
    ASSERT_FALSE(icon.isNull());
    // The icon is the control drawing itself: not a blank square.
    const QImage image = icon.pixmap(32, 32).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y));
    EXPECT_GE(colours.size(), 3);

    QDomDocument dom;
    ASSERT_TRUE(dom.setContent(plugin->domXml()));
    const QDomElement widget = dom.documentElement().firstChildElement("widget");
    EXPECT_EQ(widget.attribute("class"), GetParam().className);
    const QDomElement rect = widget.firstChildElement("property").firstChildElement("rect");
    EXPECT_EQ(QSize(rect.firstChildElement("width").text().toInt(),
                    rect.firstChildElement("height").text().toInt()),
              GetParam().defaultSize);
    QString caption;
    for (QDomElement property = widget.firstChildElement("property"); !property.isNull();
         property = property.nextSiblingElement("property"))
        if (property.attribute("name") == "Caption")
            caption = property.firstChildElement("string").text();
    EXPECT_EQ(caption, GetParam().caption ? GetParam().caption : "");

    const std::unique_ptr<QWidget> control(plugin->createWidget(nullptr));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), GetParam().className);
    // The designer places a new instance at the entry's size grown to the
    // control's minimum size hint.
    EXPECT_EQ(GetParam().defaultSize.expandedTo(control->minimumSizeHint()),
              GetParam().defaultSize);
}

INSTANTIATE_TEST_SUITE_P(
    Designer, WidgetBoxEntryTest,
    ::testing::Values(
        EntryCase{"IPEdit", "maskwell::TIPEdit", "controls/IPEdit.h", {185, 21}},
        EntryCase{"Label3D", "maskwell::TLabel3D", "controls/Label3D.h", {65, 17}, "Label3D"},
        EntryCase{"QlCheckBox", "maskwell::TQlCheckBox", "controls/QlCheckBox.h", {97, 16}},
        EntryCase{"QlFancyButton",
                  "maskwell::TQlFancyButton",
                  "controls/QlFancyButton.h",
                  {97, 25},
                  "QlFancyButton"},
        EntryCase{"AdvEdit", "maskwell::TAdvEdit", "controls/advedit/AdvEdit.h", {121, 21}}),
    [](const auto& info) { return std::string(info.param.name); });

// The designer's property editor lists one property per name, the one the
// object's class declares last (QDesignerPropertySheet::indexOf), when it is
// designable. The advanced edit must show one text property there.
TEST(DesignerPlugin, TheAdvancedEditShowsOneTextProperty) {
    const std::unique_ptr<QWidget> edit(Plugin("maskwell::TAdvEdit")->createWidget(nullptr));
    const QMetaObject* meta = edit->metaObject();
    QStringList shown;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isDesignable() && meta->indexOfProperty(property.name()) == i &&
            QLatin1String(property.name()).compare(QLatin1String("text"), Qt::CaseInsensitive) == 0)
            shown << QString::fromLatin1(property.name());
    }
    EXPECT_EQ(shown, QStringList{"Text"});
}

// The controls' events are signals, so a form connects them as the
// designer's signal/slot editor writes it, and QUiLoader makes the connection:
// one without an argument, one that carries a text.
TEST(DesignerPlugin, AFormConnectsTheControlsSignals) {
    const QByteArray form = R"(<ui version="4.0"><widget class="QWidget" name="form">
        <property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>90</height></rect></property>
        <widget class="maskwell::TLabel3D" name="link">
         <property name="geometry"><rect><x>0</x><y>0</y><width>60</width><height>17</height></rect></property>
         <property name="Caption"><string>Open</string></property>
        </widget>
        <widget class="maskwell::TIPEdit" name="address">
         <property name="geometry"><rect><x>0</x><y>30</y><width>169</width><height>21</height></rect></property>
        </widget>
        <widget class="QSpinBox" name="clicks"/>
        <widget class="QLineEdit" name="pasted"/>
       </widget>
       <connections>
        <connection><sender>link</sender><signal>Clicked()</signal>
         <receiver>clicks</receiver><slot>stepUp()</slot></connection>
        <connection><sender>address</sender><signal>PasteRequested(QString)</signal>
         <receiver>pasted</receiver><slot>setText(QString)</slot></connection>
       </connections></ui>)";
    const std::unique_ptr<QWidget> loaded = ShownForm(form);
    ASSERT_NE(loaded, nullptr);
    auto* link = loaded->findChild<QWidget*>("link");
    auto* address = loaded->findChild<QWidget*>("address");
    ASSERT_TRUE(link && address);

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(loaded->findChild<QSpinBox*>("clicks")->value(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("10.1.2.3/8"));
    QLineEdit* firstOctet = address->findChildren<QLineEdit*>().front();
    firstOctet->setFocus();
    QTest::keyClick(firstOctet, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(loaded->findChild<QLineEdit*>("pasted")->text(), "10.1.2.3/8");
}

// Grey outline pixels along the left end of an fmNone oval button.
int OutlinePixels(QWidget& button) {
    button.resize(97, 25);
    button.setProperty("FancyEffects_Shape", QStringLiteral("btnOval"));
    button.setProperty("FancyEffects_FrameStyle", QStringLiteral("fmNone"));
    QImage image(button.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    button.render(&image, {}, {}, QWidget::DrawChildren);
    int grey = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 4; ++x)
            grey += image.pixelColor(x, y) == QColor(0x80, 0x80, 0x80) ? 1 : 0;
    return grey;
}

// The part of a form designer a plugin sees: its extension manager.
class DesignerCore : public QDesignerFormEditorInterface {
public:
    DesignerCore() { setExtensionManager(new QExtensionManager(this)); }
};

TEST(DesignerPlugin, InTheDesignerTheAidsWorkAndAFormLoaderGetsRunningControls) {
    {
        // A form loader in a program: no designer has initialised the plugin.
        const std::unique_ptr<QWidget> loaded(
            PluginLoader()->createWidget("maskwell::TQlFancyButton"));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(OutlinePixels(*loaded), 0);
        const std::unique_ptr<QWidget> checkBox(
            PluginLoader()->createWidget("maskwell::TQlCheckBox"));
        test::ModalBoxCloser closer;
        checkBox->setProperty("About", QStringLiteral("(About)"));
        EXPECT_TRUE(closer.Texts().isEmpty());
    }

    DesignerCore core;
    for (QDesignerCustomWidgetInterface* plugin : Collection()->customWidgets()) {
        plugin->initialize(&core);
        EXPECT_TRUE(plugin->isInitialized());
    }
    const std::unique_ptr<QWidget> button(
        Plugin("maskwell::TQlFancyButton")->createWidget(nullptr));
    EXPECT_GT(OutlinePixels(*button), 0);

    const std::unique_ptr<QWidget> checkBox(Plugin("maskwell::TQlCheckBox")->createWidget(nullptr));
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), checkBox.get());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->taskActions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions.front()->text(), "About...");
    {
        test::ModalBoxCloser closer;
        actions.front()->trigger();
        ASSERT_EQ(closer.Texts().size(), 1);
        EXPECT_TRUE(closer.Texts().front().contains("TQlCheckBox"));
    }
    {
        // The About property opens the same box.
        test::ModalBoxCloser closer;
        checkBox->setProperty("About", QStringLiteral("(About)"));
        EXPECT_EQ(closer.Texts().size(), 1);
    }
    // No other control has a task menu.
    EXPECT_EQ(qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), button.get()),
              nullptr);
}

// One property of one control in a .ui document: its XML value element and
// what reading the property back must give.
struct FontSpec {
    QString family;
    int points = 0; // 0: not a font
    bool bold = false;
    bool italic = false;
};

struct StreamCase {
    const char* name;
    const char* className;
    const char* property;
    QString xml;
    QVariant expected; // a font row expects its FontSpec instead
    FontSpec font = {};
};

void PrintTo(const StreamCase& row, std::ostream* out) {
    *out << row.className << "." << row.property;
}

QString Color(int r, int g, int b) {
    return QStringLiteral("<color><red>%1</red><green>%2</green><blue>%3</blue></color>")
        .arg(r)
        .arg(g)
        .arg(b);
}
QString Number(int value) {
    return QStringLiteral("<number>%1</number>").arg(value);
}
QString Bool(bool value) {
    return value ? QStringLiteral("<bool>true</bool>") : QStringLiteral("<bool>false</bool>");
}
QString String(const QString& value) {
    return QStringLiteral("<string notr=\"true\">%1</string>").arg(value);
}
QString Enum(const QString& qualified) {
    return QStringLiteral("<enum>%1</enum>").arg(qualified);
}
QString Font(const QString& family, int points, bool bold, bool italic) {
    return QStringLiteral("<font><family>%1</family><pointsize>%2</pointsize>"
                          "<bold>%3</bold><italic>%4</italic></font>")
        .arg(family)
        .arg(points)
        .arg(bold ? "true" : "false", italic ? "true" : "false");
}
QString List(const QStringList& items) {
    QString xml = QStringLiteral("<stringlist>");
    for (const QString& item : items)
        xml += QStringLiteral("<string notr=\"true\">%1</string>").arg(item);
    return xml + QStringLiteral("</stringlist>");
}

constexpr char kGlyphFile[] = "glyph.png";

// Every designable property of each control, set away from its default, in
// the controls' stored order. The IP edit's Text is followed by its Value,
// which wins, as the stored order intends.
const std::vector<StreamCase>& StreamRows() {
    static const std::vector<StreamCase> rows = {
        {"IPEditText", "maskwell::TIPEdit", "Text", String("10.1.2.3"), QString("192.168.0.1")},
        {"IPEditValue", "maskwell::TIPEdit", "Value", "<UInt>3232235521</UInt>", 3232235521u},
        {"IPEditColor", "maskwell::TIPEdit", "Color", Color(1, 2, 3), QColor(1, 2, 3)},
        {"IPEditEnabled", "maskwell::TIPEdit", "Enabled", Bool(false), false},

        {"Label3DBorderColor", "maskwell::TLabel3D", "BorderColor", Color(0, 128, 64),
         QColor(0, 128, 64)},
        {"Label3DBorderPenStyle", "maskwell::TLabel3D", "BorderPenStyle",
         Enum("maskwell::ControlTypes::psDash"), 1},
        {"Label3DBorderWidth", "maskwell::TLabel3D", "BorderWidth", Number(3), 3},
        {"Label3DBorder", "maskwell::TLabel3D", "Border", Bool(true), true},
        {"Label3DBorderType", "maskwell::TLabel3D", "BorderType",
         Enum("maskwell::Label3D::btRecessed"), 1},
        {"Label3DEscapement", "maskwell::TLabel3D", "Escapement", Number(90), 90},
        {"Label3DTextStyle", "maskwell::TLabel3D", "TextStyle", Enum("maskwell::Label3D::tsShadow"),
         5},
        {"Label3DLabelStyle", "maskwell::TLabel3D", "LabelStyle",
         Enum("maskwell::Label3D::lsWWWAddress"), 1},
        {"Label3DAddress", "maskwell::TLabel3D", "Address", String("example.org"),
         QString("example.org")},
        {"Label3DEllipsesStyle", "maskwell::TLabel3D", "EllipsesStyle",
         Enum("maskwell::Label3D::esEnd"), 1},
        {"Label3DShift", "maskwell::TLabel3D", "Shift", Number(2), 2},
        {"Label3DAlignment", "maskwell::TLabel3D", "Alignment",
         Enum("maskwell::ControlTypes::taCenter"), 2},
        {"Label3DAutoSize", "maskwell::TLabel3D", "AutoSize", Bool(false), false},
        {"Label3DCaption", "maskwell::TLabel3D", "Caption", String("Subnet"), QString("Subnet")},
        {"Label3DColor", "maskwell::TLabel3D", "Color", Color(10, 20, 30), QColor(10, 20, 30)},
        {"Label3DFont",
         "maskwell::TLabel3D",
         "Font",
         Font("DejaVu Sans", 13, true, false),
         {},
         FontSpec{"DejaVu Sans", 13, true, false}},
        {"Label3DFontColor", "maskwell::TLabel3D", "FontColor", Color(40, 50, 60),
         QColor(40, 50, 60)},
        {"Label3DLayout", "maskwell::TLabel3D", "Layout", Enum("maskwell::ControlTypes::tlBottom"),
         2},
        {"Label3DShowAccelChar", "maskwell::TLabel3D", "ShowAccelChar", Bool(false), false},
        {"Label3DTransparent", "maskwell::TLabel3D", "Transparent", Bool(true), true},
        {"Label3DWordWrap", "maskwell::TLabel3D", "WordWrap", Bool(true), true},

        {"CheckBoxBackgroundColor", "maskwell::TQlCheckBox", "BackgroundColor", Color(1, 1, 1),
         QColor(1, 1, 1)},
        {"CheckBoxCaption", "maskwell::TQlCheckBox", "Caption", String("Use Inversed Mask"),
         QString("Use Inversed Mask")},
        {"CheckBoxEnabled", "maskwell::TQlCheckBox", "Enabled", Bool(false), false},
        {"CheckBoxFont",
         "maskwell::TQlCheckBox",
         "Font",
         Font("DejaVu Sans", 9, false, true),
         {},
         FontSpec{"DejaVu Sans", 9, false, true}},
        {"CheckBoxCustomColor", "maskwell::TQlCheckBox", "CustomColor",
         Enum("maskwell::QlCheckBox::ccRed"), 1},
        {"CheckBoxChecked", "maskwell::TQlCheckBox", "Checked", Bool(true), true},
        {"CheckBoxHiLigthMode", "maskwell::TQlCheckBox", "HiLigthMode", Bool(true), true},
        {"CheckBoxHiLigthColor", "maskwell::TQlCheckBox", "HiLigthColor", Color(12, 97, 63),
         QColor(12, 97, 63)},
        {"CheckBoxFontColor", "maskwell::TQlCheckBox", "FontColor", Color(0, 0, 128),
         QColor(0, 0, 128)},
        {"CheckBoxTabStop", "maskwell::TQlCheckBox", "TabStop", Bool(true), true},

        {"FancyCaption", "maskwell::TQlFancyButton", "Caption", String("OK"), QString("OK")},
        {"FancyFontColor", "maskwell::TQlFancyButton", "FontColor", Color(1, 2, 3),
         QColor(1, 2, 3)},
        {"FancyFaceColor", "maskwell::TQlFancyButton", "FancyEffects_FaceColor",
         Color(219, 219, 219), QColor(219, 219, 219)},
        {"FancyFrameColor", "maskwell::TQlFancyButton", "FancyEffects_FrameColor",
         Color(128, 128, 129), QColor(128, 128, 129)},
        {"FancyFrameStyle", "maskwell::TQlFancyButton", "FancyEffects_FrameStyle",
         Enum("maskwell::QlFancyButton::fmNone"), 0},
        {"FancyFrameWidth", "maskwell::TQlFancyButton", "FancyEffects_FrameWidth", Number(5), 5},
        {"FancyHoverColor", "maskwell::TQlFancyButton", "FancyEffects_HoverColor",
         Color(12, 97, 63), QColor(12, 97, 63)},
        {"FancyShape", "maskwell::TQlFancyButton", "FancyEffects_Shape",
         Enum("maskwell::QlFancyButton::btnOval"), 1},
        {"FancyCornerRadius", "maskwell::TQlFancyButton", "FancyEffects_CornerRadius", Number(9),
         9},
        {"FancyTextStyle", "maskwell::TQlFancyButton", "FancyEffects_TextStyle",
         Enum("maskwell::QlFancyButton::txShadowed"), 3},
        {"GlyphsGlyph", "maskwell::TQlFancyButton", "Glyphs_Glyph",
         QStringLiteral("<pixmap>%1</pixmap>").arg(kGlyphFile), QSize(64, 16)},
        {"GlyphsLayout", "maskwell::TQlFancyButton", "Glyphs_Layout",
         Enum("maskwell::QlFancyButton::lyTop"), 1},
        {"GlyphsNumber", "maskwell::TQlFancyButton", "Glyphs_Number", Number(4), 4},
        {"GlyphsDistance", "maskwell::TQlFancyButton", "Glyphs_Distance", Number(3), 3},

        {"AdvEditTabStop", "maskwell::TAdvEdit", "TabStop", Bool(false), false},
        {"AdvEditAutoFocus", "maskwell::TAdvEdit", "AutoFocus", Bool(true), true},
        {"AdvEditAutoThousandSeparator", "maskwell::TAdvEdit", "AutoThousandSeparator", Bool(false),
         false},
        {"AdvEditEditAlign", "maskwell::TAdvEdit", "EditAlign",
         Enum("maskwell::AdvEditEnums::eaRight"), 1},
        {"AdvEditEditType", "maskwell::TAdvEdit", "EditType",
         Enum("maskwell::AdvEditEnums::etFloat"), 2},
        {"AdvEditEmptyText", "maskwell::TAdvEdit", "EmptyText", String("Type here"),
         QString("Type here")},
        {"AdvEditErrorMarkerPos", "maskwell::TAdvEdit", "ErrorMarkerPos", Number(2), 2},
        {"AdvEditErrorMarkerLen", "maskwell::TAdvEdit", "ErrorMarkerLen", Number(3), 3},
        {"AdvEditErrorColor", "maskwell::TAdvEdit", "ErrorColor", Color(200, 0, 0),
         QColor(200, 0, 0)},
        {"AdvEditErrorFontColor", "maskwell::TAdvEdit", "ErrorFontColor", Color(255, 255, 0),
         QColor(255, 255, 0)},
        {"AdvEditExcelStyleDecimalSeparator", "maskwell::TAdvEdit", "ExcelStyleDecimalSeparator",
         Bool(true), true},
        {"AdvEditFlat", "maskwell::TAdvEdit", "Flat", Bool(true), true},
        {"AdvEditFlatLineColor", "maskwell::TAdvEdit", "FlatLineColor", Color(0, 0, 255),
         QColor(0, 0, 255)},
        {"AdvEditFlatParentColor", "maskwell::TAdvEdit", "FlatParentColor", Bool(false), false},
        {"AdvEditFocusAlign", "maskwell::TAdvEdit", "FocusAlign",
         Enum("maskwell::AdvEditEnums::eaCenter"), 3},
        {"AdvEditFocusBorder", "maskwell::TAdvEdit", "FocusBorder", Bool(true), true},
        {"AdvEditFocusColor", "maskwell::TAdvEdit", "FocusColor", Color(213, 255, 213),
         QColor(213, 255, 213)},
        {"AdvEditFocusFontColor", "maskwell::TAdvEdit", "FocusFontColor", Color(0, 64, 0),
         QColor(0, 64, 0)},
        {"AdvEditFocusLabel", "maskwell::TAdvEdit", "FocusLabel", Bool(true), true},
        {"AdvEditFocusWidthInc", "maskwell::TAdvEdit", "FocusWidthInc", Number(20), 20},
        {"AdvEditModifiedColor", "maskwell::TAdvEdit", "ModifiedColor", Color(128, 0, 128),
         QColor(128, 0, 128)},
        {"AdvEditDisabledColor", "maskwell::TAdvEdit", "DisabledColor", Color(160, 160, 160),
         QColor(160, 160, 160)},
        {"AdvEditShowError", "maskwell::TAdvEdit", "ShowError", Bool(true), true},
        {"AdvEditShowModified", "maskwell::TAdvEdit", "ShowModified", Bool(true), true},
        {"AdvEditShowURL", "maskwell::TAdvEdit", "ShowURL", Bool(true), true},
        {"AdvEditSoftBorder", "maskwell::TAdvEdit", "SoftBorder", Bool(true), true},
        {"AdvEditURLColor", "maskwell::TAdvEdit", "URLColor", Color(0, 0, 200), QColor(0, 0, 200)},
        {"AdvEditReturnIsTab", "maskwell::TAdvEdit", "ReturnIsTab", Bool(true), true},
        {"AdvEditLengthLimit", "maskwell::TAdvEdit", "LengthLimit", Number(6), 6},
        {"AdvEditTabOnFullLength", "maskwell::TAdvEdit", "TabOnFullLength", Bool(true), true},
        {"AdvEditPrecision", "maskwell::TAdvEdit", "Precision", Number(2), 2},
        {"AdvEditPrefix", "maskwell::TAdvEdit", "Prefix", String("&lt;"), QString("<")},
        {"AdvEditSuffix", "maskwell::TAdvEdit", "Suffix", String("&gt;"), QString(">")},
        {"AdvEditLabelCaption", "maskwell::TAdvEdit", "LabelCaption", String("Name:"),
         QString("Name:")},
        {"AdvEditLabelPosition", "maskwell::TAdvEdit", "LabelPosition",
         Enum("maskwell::AdvEditEnums::lpTopLeft"), 3},
        {"AdvEditLabelMargin", "maskwell::TAdvEdit", "LabelMargin", Number(6), 6},
        {"AdvEditLabelTransparent", "maskwell::TAdvEdit", "LabelTransparent", Bool(true), true},
        {"AdvEditLabelAlwaysEnabled", "maskwell::TAdvEdit", "LabelAlwaysEnabled", Bool(true), true},
        {"AdvEditLabelFont",
         "maskwell::TAdvEdit",
         "LabelFont",
         Font("DejaVu Sans", 11, true, false),
         {},
         FontSpec{"DejaVu Sans", 11, true, false}},
        {"LookupCaseSensitive", "maskwell::TAdvEdit", "Lookup_CaseSensitive", Bool(true), true},
        {"LookupColor", "maskwell::TAdvEdit", "Lookup_Color", Color(255, 255, 200),
         QColor(255, 255, 200)},
        {"LookupDisplayCount", "maskwell::TAdvEdit", "Lookup_DisplayCount", Number(6), 6},
        {"LookupDisplayList", "maskwell::TAdvEdit", "Lookup_DisplayList",
         List({"Berlin", "Bern", "Bonn"}), QStringList({"Berlin", "Bern", "Bonn"})},
        {"LookupEnabled", "maskwell::TAdvEdit", "Lookup_Enabled", Bool(true), true},
        {"LookupNumChars", "maskwell::TAdvEdit", "Lookup_NumChars", Number(3), 3},
        {"LookupValueList", "maskwell::TAdvEdit", "Lookup_ValueList", List({"BER", "BRN"}),
         QStringList({"BER", "BRN"})},
        {"PersistenceEnable", "maskwell::TAdvEdit", "Persistence_Enable", Bool(true), true},
        {"PersistenceKey", "maskwell::TAdvEdit", "Persistence_Key", String("fields.ini"),
         QString("fields.ini")},
        {"PersistenceSection", "maskwell::TAdvEdit", "Persistence_Section", String("form"),
         QString("form")},
        {"PersistenceLocation", "maskwell::TAdvEdit", "Persistence_Location",
         Enum("maskwell::AdvEditEnums::plRegistry"), 1},
        {"AdvEditAutoSelect", "maskwell::TAdvEdit", "AutoSelect", Bool(false), false},
        {"AdvEditBorderStyle", "maskwell::TAdvEdit", "BorderStyle",
         Enum("maskwell::AdvEditEnums::bsNone"), 0},
        {"AdvEditMaxLength", "maskwell::TAdvEdit", "MaxLength", Number(12), 12},
        {"AdvEditPasswordChar", "maskwell::TAdvEdit", "PasswordChar",
         "<char><unicode>42</unicode></char>", QChar('*')},
        {"AdvEditReadOnly", "maskwell::TAdvEdit", "ReadOnly", Bool(true), true},
        {"AdvEditCanUndo", "maskwell::TAdvEdit", "CanUndo", Bool(false), false},
        {"AdvEditEnabled", "maskwell::TAdvEdit", "Enabled", Bool(false), false},
        {"AdvEditOleDropTarget", "maskwell::TAdvEdit", "OleDropTarget", Bool(true), true},
        {"AdvEditOleDropSource", "maskwell::TAdvEdit", "OleDropSource", Bool(true), true},
        {"AdvEditSigned", "maskwell::TAdvEdit", "Signed", Bool(true), true},
        {"AdvEditText", "maskwell::TAdvEdit", "Text", String("3.1"), QString("3.10")},
        {"AdvEditTransparent", "maskwell::TAdvEdit", "Transparent", Bool(true), true},
        {"AdvEditHintShowLargeText", "maskwell::TAdvEdit", "HintShowLargeText", Bool(true), true},
        // Last, unlike the stored order: a form loader runs no after-loading
        // step, so the value text written with ShowURL on gives the field its
        // constructed font colour back, and disabling it shows DisabledColor.
        {"AdvEditFontColor", "maskwell::TAdvEdit", "FontColor", Color(0, 0, 64), QColor(0, 0, 64)},
        {"AdvEditColor", "maskwell::TAdvEdit", "Color", Color(238, 238, 238),
         QColor(238, 238, 238)},
    };
    return rows;
}

QString ObjectNameOf(const QString& className) {
    return className.section(QStringLiteral("::"), -1);
}

// The whole form: one widget per control holding its rows, in row order.
QByteArray StreamedForm() {
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">"
                                 "<class>Streamed</class><widget class=\"QWidget\" name=\"Form\">");
    QString open;
    for (const StreamCase& row : StreamRows()) {
        if (open != row.className) {
            if (!open.isEmpty())
                xml += QStringLiteral("</widget>");
            open = row.className;
            xml +=
                QStringLiteral("<widget class=\"%1\" name=\"%2\">").arg(open, ObjectNameOf(open));
        }
        xml += QStringLiteral("<property name=\"%1\">%2</property>").arg(row.property, row.xml);
    }
    xml += QStringLiteral("</widget></widget></ui>\n");
    return xml.toUtf8();
}

class StreamedPropertyTest : public ::testing::TestWithParam<StreamCase> {
public:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        QImage glyph(64, 16, QImage::Format_RGB32);
        glyph.fill(Qt::darkGreen);
        glyph.save(folder_->filePath(kGlyphFile));
        auto loader = PluginLoader();
        loader->setWorkingDirectory(QDir(folder_->path()));
        QByteArray document = StreamedForm();
        QBuffer buffer(&document);
        form_ = loader->load(&buffer);
    }
    static void TearDownTestSuite() {
        // The edit would keep its text in the per-user store when destroyed.
        if (form_)
            if (QWidget* edit = form_->findChild<QWidget*>("TAdvEdit"))
                edit->setProperty("Persistence_Enable", false);
        delete form_;
        form_ = nullptr;
        delete folder_;
        folder_ = nullptr;
    }

protected:
    static QTemporaryDir* folder_;
    static QWidget* form_;
};

QTemporaryDir* StreamedPropertyTest::folder_ = nullptr;
QWidget* StreamedPropertyTest::form_ = nullptr;

TEST_P(StreamedPropertyTest, ComesBackFromTheForm) {
    ASSERT_NE(form_, nullptr);
    const StreamCase& row = GetParam();
    QWidget* control = form_->findChild<QWidget*>(ObjectNameOf(row.className));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), row.className);
    const QVariant value = control->property(row.property);
    ASSERT_TRUE(value.isValid());
    if (row.font.points > 0) {
        const QFont font = value.value<QFont>();
        EXPECT_EQ(font.family(), row.font.family);
        EXPECT_EQ(font.pointSize(), row.font.points);
        EXPECT_EQ(font.bold(), row.font.bold);
        EXPECT_EQ(font.italic(), row.font.italic);
    } else if (row.expected.metaType() == QMetaType::fromType<QSize>()) {
        EXPECT_EQ(value.value<QPixmap>().size(), row.expected.toSize());
    } else if (value.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
        EXPECT_EQ(value.toInt(), row.expected.toInt());
    } else {
        EXPECT_EQ(value, row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Designer, StreamedPropertyTest, ::testing::ValuesIn(StreamRows()),
                         [](const auto& info) { return std::string(info.param.name); });

// The form above leaves out no property a designer can set.
TEST(StreamedForm, HoldsEveryDesignableProperty) {
    for (QDesignerCustomWidgetInterface* plugin : Collection()->customWidgets()) {
        const std::unique_ptr<QWidget> control(plugin->createWidget(nullptr));
        const QMetaObject* meta = control->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isDesignable() || !property.isStored())
                continue;
            const bool covered =
                std::any_of(StreamRows().begin(), StreamRows().end(), [&](const StreamCase& row) {
                    return plugin->name() == row.className &&
                           QLatin1String(property.name()) == QLatin1String(row.property);
                });
            EXPECT_TRUE(covered) << plugin->name().toStdString() << "." << property.name();
        }
    }
}

// Writes forms as the designer does: a property the control does not store is
// left out, and so is one that is at its streaming default (the value its
// RESET restores on a new control).
class DesignerRuleWriter : public QFormBuilder {
protected:
    bool checkProperty(QObject* object, const QString& name) const override {
        const QMetaObject* meta = object->metaObject();
        const int index = meta->indexOfProperty(name.toLatin1());
        QDesignerCustomWidgetInterface* plugin = Plugin(QString::fromLatin1(meta->className()));
        if (!plugin || index < meta->propertyOffset()) // Qt's own: name and place suffice
            return name == QLatin1String("objectName") || name == QLatin1String("geometry");
        const QMetaProperty property = meta->property(index);
        if (!property.isStored())
            return false;
        if (!property.isResettable())
            return true;
        const std::unique_ptr<QWidget> fresh(plugin->createWidget(nullptr));
        property.reset(fresh.get());
        return property.read(object) != property.read(fresh.get());
    }
};

// Whether the saved form stores the property of its only control.
bool Stores(QWidget& control, const char* property) {
    QWidget form;
    control.setParent(&form);
    control.setObjectName("control");
    QByteArray saved;
    QBuffer buffer(&saved);
    buffer.open(QIODevice::WriteOnly);
    DesignerRuleWriter().save(&buffer, &form);
    control.setParent(nullptr);
    QDomDocument dom;
    if (!dom.setContent(saved))
        ADD_FAILURE() << "not a form";
    const QDomNodeList properties = dom.elementsByTagName("property");
    for (int i = 0; i < properties.count(); ++i) {
        const QDomElement element = properties.at(i).toElement();
        if (element.parentNode().toElement().attribute("name") == "control" &&
            element.attribute("name") == QLatin1String(property))
            return true;
    }
    return false;
}

struct StoredCase {
    const char* name;
    const char* className;
    const char* property;
    std::optional<QVariant> set; // none: the control as constructed
    bool stored;
};

class DefaultFormTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(DefaultFormTest, StoresOnlyWhatTheControlSaysIsStored) {
    const StoredCase& row = GetParam();
    const std::unique_ptr<QWidget> control(Plugin(row.className)->createWidget(nullptr));
    if (row.set) {
        ASSERT_TRUE(control->setProperty(row.property, *row.set));
    }
    EXPECT_EQ(Stores(*control, row.property), row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Designer, DefaultFormTest,
    ::testing::Values(
        StoredCase{"CheckBoxAboutNever", "maskwell::TQlCheckBox", "About", {}, false},
        StoredCase{"CheckBoxAboutNeverEvenSet", "maskwell::TQlCheckBox", "About", QString("x"),
                   false},
        StoredCase{"Label3DBorderWidthAtDefault", "maskwell::TLabel3D", "BorderWidth", {}, false},
        StoredCase{"Label3DBorderWidthSet", "maskwell::TLabel3D", "BorderWidth", 3, true},
        StoredCase{"Label3DEmptyAddress", "maskwell::TLabel3D", "Address", {}, false},
        StoredCase{"Label3DAddressSet", "maskwell::TLabel3D", "Address", QString("a.org"), true},
        StoredCase{"Label3DAutoSizeAtDefault", "maskwell::TLabel3D", "AutoSize", {}, false},
        StoredCase{"Label3DAlignmentAtDefault", "maskwell::TLabel3D", "Alignment", {}, false},
        StoredCase{"Label3DLayoutAtDefault", "maskwell::TLabel3D", "Layout", {}, false},
        StoredCase{"Label3DWordWrapAtDefault", "maskwell::TLabel3D", "WordWrap", {}, false},
        StoredCase{
            "Label3DShowAccelCharAtDefault", "maskwell::TLabel3D", "ShowAccelChar", {}, false},
        StoredCase{"Label3DShiftAlways", "maskwell::TLabel3D", "Shift", {}, true},
        StoredCase{"Label3DBorderAlways", "maskwell::TLabel3D", "Border", {}, true},
        StoredCase{"CheckBoxCheckedAlways", "maskwell::TQlCheckBox", "Checked", {}, true},
        StoredCase{"FancyFrameWidthAlways",
                   "maskwell::TQlFancyButton",
                   "FancyEffects_FrameWidth",
                   {},
                   true},
        StoredCase{"IPEditValueAlways", "maskwell::TIPEdit", "Value", {}, true}),

    [](const auto& info) { return std::string(info.param.name); });

// The advanced edit's events are signals a form connects as the designer's
// signal/slot editor writes them; QUiLoader makes the connections.
TEST(DesignerPlugin, AFormConnectsTheAdvancedEditsSignals) {
    const QByteArray form = R"(<ui version="4.0"><widget class="QWidget" name="form">
        <property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>90</height></rect></property>
        <widget class="maskwell::TAdvEdit" name="edit">
         <property name="geometry"><rect><x>0</x><y>0</y><width>121</width><height>21</height></rect></property>
        </widget>
        <widget class="QWidget" name="changed"/>
        <widget class="QWidget" name="clicked"/>
        <widget class="QWidget" name="selected"/>
       </widget>
       <connections>
        <connection><sender>edit</sender><signal>TextChanged()</signal>
         <receiver>changed</receiver><slot>hide()</slot></connection>
        <connection><sender>edit</sender><signal>Clicked()</signal>
         <receiver>clicked</receiver><slot>hide()</slot></connection>
        <connection><sender>edit</sender><signal>LookupSelected(QString)</signal>
         <receiver>selected</receiver><slot>setWindowTitle(QString)</slot></connection>
       </connections></ui>)";
    const std::unique_ptr<QWidget> loaded = ShownForm(form);
    ASSERT_NE(loaded, nullptr);
    auto* edit = loaded->findChild<QWidget*>("edit");
    auto* changed = loaded->findChild<QWidget*>("changed");
    auto* clicked = loaded->findChild<QWidget*>("clicked");
    ASSERT_TRUE(edit && changed && clicked);
    ASSERT_TRUE(changed->isVisible() && clicked->isVisible());

    edit->setProperty("Text", QStringLiteral("12"));
    EXPECT_FALSE(changed->isVisible());
    EXPECT_TRUE(clicked->isVisible());
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(clicked->isVisible());

    edit->setProperty("Text", QString());
    edit->setProperty("Lookup_Enabled", true);
    edit->setProperty("Lookup_DisplayList", QStringList{"Bern"});
    loaded->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(loaded.get()));
    edit->setFocus();
    QTest::keyClicks(edit, "Be");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(loaded->findChild<QWidget*>("selected")->windowTitle(), "Bern");
}

} // namespace
} // namespace maskwell
